#pragma once

#include "app/app_state.h"
#include "print/rtf_writer.h"

#include <QDateTime>
#include <QDialog>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace quindor {

// A read-only rich-text report with its buttons: close, copy, save as rich text and print.
// The protocol window and the topic list window are built on it.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(AppState& app, const QString& objectName, const QString& caption,
                 QWidget* parent = nullptr);

    // Replaces the content by a marked-up text ("<tit>" lines are headings).
    void setReport(const QString& text);
    QByteArray richText() const { return WriteRtf(content_, 160); }
    const std::vector<RichParagraph>& content() const { return content_; }
    QTextEdit* area();
    bool saveAs(const QString& path);
    void saveCommand();
    void printCommand();
    void previewCommand();
    // The content on a printer (or into a PDF file), as a document titled as the window says.
    bool printTo(QPrinter& printer);

protected:
    void showEvent(QShowEvent* event) override;
    void render(const QString& text, bool clear);
    // Adds a button before the closing one.
    QPushButton* addButton(const QString& text);
    AppState& app_;

private:
    QVBoxLayout* layout_;
    QTextEdit* area_ = nullptr;
    QHBoxLayout* buttons_;
    int buttonCount_ = 0;
    std::vector<RichParagraph> content_;
};

// The protocol window "Übungsprotokoll" (TUebProtokollForm): the protocol of the last run, also
// to comment and to mail.
class ProtocolWindow : public ReportWindow {
    Q_OBJECT
public:
    explicit ProtocolWindow(AppState& app, QWidget* parent = nullptr);

    // Shows a new protocol; the old content and its comments go.
    void setProtocol(const QString& text) { setReport(text); }
    // A comment at the end of the content: "<tit>Kommentar" and the trimmed text.
    void addComment(const QString& text);

    // Saves the content as rich text into the protocol folder under the first free automatic
    // name; the write error otherwise.
    bool AutoSaveProtocol(const QDateTime& now, const QString& computer);
    void commentCommand();
    void mailCommand(const QDateTime& now);
};

// The topic list window "Themenliste": the numbered titles of the topic folder.
class TopicListWindow : public ReportWindow {
    Q_OBJECT
public:
    explicit TopicListWindow(AppState& app, QWidget* parent = nullptr);
    // Fills the window from the topic list and shows it from its start.
    void showTopics(const QString& text);
};

} // namespace quindor
