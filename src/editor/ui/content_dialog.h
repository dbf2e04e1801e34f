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
    // The labelling type, made from a picture rather than from text, is the last entry.
    bool labelling() const;
    void setLabelling();
    // The picture of a labelling document, read from the file (reduced when very large; the
    // teacher is told). False when the file is no picture.
    bool setPicture(const QString& path);
    // The page format a new labelling document takes around its picture.
    void setPageFormat(const PageFormatDefaults& format) { pageFormat_ = format; }
    // Asks for the picture file; empty when cancelled.
    std::function<QString()> choosePictureFile;
    // An empty page of the chosen type, shown while the dialog's content has a fault.
    Document emptyDocument() const;
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
    void choosePicture();

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
    QLabel* exampleTitle_ = nullptr;
    QLabel* contentLabel_ = nullptr;
    QLabel* statusLabel_;
    QWidget* pictureBox_;
    QLineEdit* picturePath_;
    QLabel* pictureView_;
    Picture picture_;
    PageFormatDefaults pageFormat_;
    QTimer* pause_;
    Parsed<Document> made_;
};

} // namespace quindor
