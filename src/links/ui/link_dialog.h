#pragma once

#include "core/messages.h"
#include "core/pickers.h"
#include "links/program_links.h"

#include <QDialog>
#include <QLineEdit>

#include <array>

namespace quindor {

// "Frei belegbare Verknüpfungsfelder für externe Programme": for V1, V2, V3 the program with
// "Durchsuchen...", the caption and the hint, for the on-screen keyboard the program and the
// hint; "Löschen" empties a link. "OK" takes the links only when every program named exists.
class LinkDialog : public QDialog {
    Q_OBJECT
public:
    LinkDialog(const ProgramLinks& links, Pickers& pickers, Messages& messages,
               QWidget* parent = nullptr);

    // The links as edited, the programs trimmed.
    ProgramLinks links() const;
    QLineEdit* targetEdit(int index) const { return rows_[static_cast<size_t>(index)].target; }
    QLineEdit* captionEdit(int index) const { return rows_[static_cast<size_t>(index)].caption; }
    QLineEdit* hintEdit(int index) const { return rows_[static_cast<size_t>(index)].hint; }
    void browse(int index);
    void clear(int index);

    void accept() override;

private:
    struct Row {
        QLineEdit* target = nullptr;
        QLineEdit* caption = nullptr;
        QLineEdit* hint = nullptr;
    };

    Pickers& pickers_;
    Messages& messages_;
    std::array<Row, kProgramLinkCount> rows_;
};

} // namespace quindor
