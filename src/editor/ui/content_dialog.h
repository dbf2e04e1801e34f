#pragma once

#include "core/messages.h"
#include "editor/content_text.h"
#include "editor/document_makers.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace quindor {

// "Neu..." and "Inhalt bearbeiten...": the document type, title, author and remark, and the
// content as text in the format of the type, with the format and an example beside it. A
// short pause after each change the document is made anew and handed to `preview`, or the
// first fault of the text is shown; OK takes only a document without fault.
class TDokumentInhaltForm : public QDialog {
    Q_OBJECT
public:
    explicit TDokumentInhaltForm(Messages& messages, QWidget* parent = nullptr);

    // A new document; every type can be chosen.
    void startNew(TextKind kind);
    // The content of an open document; its type stays.
    void startEdit(const Document& document, const ContentText& content);

    TextKind kind() const;
    void setKind(TextKind kind);
    DocumentInfo info() const;
    void setInfo(const DocumentInfo& info);
    QString text() const;
    void setText(const QString& text);

    // The document made from what the dialog shows, or the first fault.
    const Parsed<Document>& made() const { return made_; }
    // Makes the document at once, without waiting for the pause, and tells `preview`.
    void refresh();
    // Told of each document made (or fault) with the question to show of question documents.
    std::function<void(const Parsed<Document>& made, int question)> preview;

    void accept() override;

private:
    void showFormat();
    void takeExample();

    Messages& messages_;
    std::optional<Document> base_;
    QComboBox* typeBox_;
    QLineEdit* titleEdit_;
    QLineEdit* authorEdit_;
    QPlainTextEdit* remarkEdit_;
    QPlainTextEdit* contentEdit_;
    QLabel* formatLabel_;
    QPlainTextEdit* exampleView_;
    QPushButton* exampleButton_;
    QLabel* statusLabel_;
    QTimer* pause_;
    Parsed<Document> made_;
};

} // namespace quindor
