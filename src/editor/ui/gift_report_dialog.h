#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace quindor {

// The report of a GIFT import or export: the text to read (and copy), and "Schließen".
class TGiftBerichtForm : public QDialog {
    Q_OBJECT
public:
    TGiftBerichtForm(const QString& caption, const QString& report, QWidget* parent = nullptr);

    QString report() const;

private:
    QPlainTextEdit* text_;
};

} // namespace quindor
