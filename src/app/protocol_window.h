#pragma once

#include "app/app_state.h"
#include "print/rtf_writer.h"

#include <QDateTime>
#include <QDialog>
#include <QTextEdit>

namespace quindor {

// The protocol window "Übungsprotokoll" (TUebProtokollForm): the protocol of the last run as
// rich text, to copy, save, print, comment and mail.
class ProtocolWindow : public QDialog {
    Q_OBJECT
public:
    ProtocolWindow(AppState& app, QWidget* parent = nullptr);

    // Shows a new protocol; the old content and its comments go.
    void setProtocol(const QString& text);
    // A comment at the end of the content: "<tit>Kommentar" and the trimmed text.
    void addComment(const QString& text);
    QByteArray richText() const { return WriteRtf(content_, 160); }
    const std::vector<RichParagraph>& content() const { return content_; }
    QTextEdit* area() const { return area_; }

    // Saves the content as rich text into the protocol folder under the first free automatic
    // name; the write error otherwise.
    bool AutoSaveProtocol(const QDateTime& now, const QString& computer);
    bool saveAs(const QString& path);
    void saveCommand();
    void printCommand();
    void commentCommand();
    void mailCommand(const QDateTime& now);

private:
    void render(const QString& text, bool clear);

    AppState& app_;
    QTextEdit* area_;
    std::vector<RichParagraph> content_;
};

} // namespace quindor
