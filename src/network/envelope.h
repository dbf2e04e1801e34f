#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace quindor {

// One message between the computers of a network exercise, as the receiver gets it: who sent
// it from which computer, and its text (the lines, each ended by CR LF).
struct NetMessage {
    QString computerName;
    QString userName;
    QString text;
};

// The marker that opens every message.
inline const QString kMessageMarker = QStringLiteral("Message");

// The lines of a text; CR, LF and CR LF each end a line, and a last line without an end
// counts too.
QStringList SplitMessageLines(const QString& text);
// The lines, each followed by CR LF.
QString JoinMessageLines(const QStringList& lines);

// A datagram: the marker, the user name, the computer name and the lines, each followed by
// CR LF, in Windows-1252.
QByteArray ComposeDatagram(const QString& userName, const QString& computerName,
                           const QStringList& lines);
// A received datagram; none when it does not begin with the marker line and the two name
// lines.
std::optional<NetMessage> ParseDatagram(QByteArrayView bytes);
// The quick test of the receiving thread: whether the bytes begin with the marker line.
bool StartsWithMarker(QByteArrayView bytes);

// A message file: the marker, the user name, the computer name and the text, each a
// length-prefixed text.
QByteArray EncodeMessageFile(const QString& userName, const QString& computerName,
                             const QString& text);
// None unless all four texts are there in full.
std::optional<NetMessage> ParseMessageFile(QByteArrayView bytes);

} // namespace quindor
