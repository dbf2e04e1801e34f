#pragma once

#include "document/document.h"

#include <QDialog>
#include <QTabWidget>

namespace quindor {

// "Dokumenteigenschaften": where the document lies and what its header says. Every field is
// read-only; the hint says where they are changed.
class TDokEigenschaftenForm : public QDialog {
    Q_OBJECT
public:
    TDokEigenschaftenForm(const Document& document, int tab, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }

private:
    QTabWidget* tabs_;
};

} // namespace quindor
