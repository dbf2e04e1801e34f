#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QListWidget;
class QPushButton;

namespace quindor {

// Chooses the font the document is drawn in from the installed font families.
class TSchriftartForm : public QDialog {
    Q_OBJECT

public:
    TSchriftartForm(const QString& currentFont, QWidget* parent = nullptr);

    // The highlighted family; empty when none is.
    QString selectedFont() const;

    QListWidget* fontList() const { return fontList_; }
    QLabel* preview() const { return preview_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

private:
    void showPreview();

    QListWidget* fontList_;
    QLabel* preview_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

// Shows the dialog modally with currentFont selected. The chosen family after "OK", nothing
// after "Abbrechen", when no family was selected or when the choice is the current font; the
// caller sets the document font and marks the document modified.
std::optional<QString> FontDialog(QWidget* parent, const QString& currentFont);

} // namespace quindor
