#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace quindor {

// What is wrong with a text and where: Line counts from 1 in the text as given, 0 when the
// fault is the text as a whole.
struct FormatError {
    int Line = 0;
    QString Text;
    // "Zeile 4: ..." or, for the whole text, the text alone.
    QString message() const;
};

// A value read from a text, or the first fault found in it.
template <class T> struct Parsed {
    std::optional<T> Value;
    FormatError Error;

    bool ok() const { return Value.has_value(); }
    static Parsed failure(int line, const QString& text) { return {std::nullopt, {line, text}}; }
    static Parsed failure(const FormatError& error) { return {std::nullopt, error}; }
};

// One line of an input text and its number.
struct InputLine {
    int Number = 0;
    QString Text;
    bool blank() const { return Text.trimmed().isEmpty(); }
};

// The lines of a text (ending in LF or CR LF) without the blank lines at its start and end.
std::vector<InputLine> InputLines(const QString& text);
// The lines split into blocks at blank lines (one or more); no block is empty.
std::vector<std::vector<InputLine>> InputBlocks(const std::vector<InputLine>& lines);

// The first character of the lines that a document cannot store: documents hold their texts
// in Windows-1252.
std::optional<FormatError> CheckStorable(const std::vector<InputLine>& lines);
// The same for one field of the document ("Der Titel", "Die Bemerkung" ...).
std::optional<QString> CheckStorableField(const QString& fieldName, const QString& text);

// The bytes of a file or of standard input as UTF-8 text, a byte-order mark dropped; a line
// that is no UTF-8 is named.
Parsed<QString> DecodeInput(const QByteArray& bytes);

} // namespace quindor
