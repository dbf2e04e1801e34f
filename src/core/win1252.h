#pragma once

#include <QByteArray>
#include <QString>

namespace quindor {

// Windows-1252, the code page of every file, setting and message the program exchanges.
// Decoding covers all 256 bytes: the five bytes the code page leaves undefined map to the
// C1 control characters of the same value, so decode followed by encode returns every byte
// unchanged. Characters outside the code page encode as '?'.
QString DecodeWin1252(const QByteArray& bytes);
QString DecodeWin1252(const char* data, qsizetype size);
QByteArray EncodeWin1252(const QString& text);
// True when every character of text has a Windows-1252 byte.
bool IsWin1252Representable(const QString& text);

} // namespace quindor
