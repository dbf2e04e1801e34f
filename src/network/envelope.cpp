#include "network/envelope.h"

#include "core/binary_stream.h"
#include "core/win1252.h"

namespace quindor {

namespace {

const QByteArray kMarkerLine = QByteArrayLiteral("Message");

// The end of the line that starts at `from`, and where the next line starts; -1 when the
// text ends without a line end.
std::pair<qsizetype, qsizetype> LineEnd(const QString& text, qsizetype from) {
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\n')
            return {i, i + 1};
        if (c == u'\r')
            return {i, i + 1 < text.size() && text.at(i + 1) == u'\n' ? i + 2 : i + 1};
    }
    return {-1, -1};
}

} // namespace

QStringList SplitMessageLines(const QString& text) {
    QStringList lines;
    qsizetype from = 0;
    while (from < text.size()) {
        const auto [end, next] = LineEnd(text, from);
        if (end < 0) {
            lines.append(text.mid(from));
            break;
        }
        lines.append(text.mid(from, end - from));
        from = next;
    }
    return lines;
}

QString JoinMessageLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QByteArray ComposeDatagram(const QString& userName, const QString& computerName,
                           const QStringList& lines) {
    return EncodeWin1252(JoinMessageLines(QStringList{kMessageMarker, userName, computerName}) +
                         JoinMessageLines(lines));
}

bool StartsWithMarker(QByteArrayView bytes) {
    if (!bytes.startsWith(kMarkerLine) || bytes.size() == kMarkerLine.size())
        return false;
    const char next = bytes.at(kMarkerLine.size());
    return next == '\r' || next == '\n';
}

std::optional<NetMessage> ParseDatagram(QByteArrayView bytes) {
    if (!StartsWithMarker(bytes))
        return std::nullopt;
    const QString text = DecodeWin1252(bytes.data(), bytes.size());
    // Three whole lines, each with its end, come before the message text.
    QString header[3];
    qsizetype from = 0;
    for (QString& line : header) {
        const auto [end, next] = LineEnd(text, from);
        if (end < 0)
            return std::nullopt;
        line = text.mid(from, end - from);
        from = next;
    }
    return NetMessage{header[2], header[1], text.mid(from)};
}

QByteArray EncodeMessageFile(const QString& userName, const QString& computerName,
                             const QString& text) {
    ByteWriter writer;
    writer.writeText(kMessageMarker);
    writer.writeText(userName);
    writer.writeText(computerName);
    writer.writeText(text);
    return writer.take();
}

std::optional<NetMessage> ParseMessageFile(QByteArrayView bytes) {
    ByteReader reader(bytes);
    reader.readText();
    NetMessage message;
    message.userName = reader.readText();
    message.computerName = reader.readText();
    message.text = reader.readText();
    if (!reader.ok())
        return std::nullopt;
    return message;
}

} // namespace quindor
