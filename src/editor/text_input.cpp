#include "editor/text_input.h"

#include "core/win1252.h"

#include <QStringDecoder>
#include <QStringList>

namespace quindor {

namespace {

// The first character outside Windows-1252, a character beyond the basic plane whole.
std::optional<QString> FirstUnstorable(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QString character = text.mid(i, length);
        if (!IsWin1252Representable(character))
            return character;
        i += length;
    }
    return std::nullopt;
}

} // namespace

QString FormatError::message() const {
    if (Line <= 0)
        return Text;
    return QStringLiteral("Zeile %1: %2").arg(Line).arg(Text);
}

std::vector<InputLine> InputLines(const QString& text) {
    std::vector<InputLine> lines;
    int number = 0;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines.push_back({++number, line});
    }
    while (!lines.empty() && lines.back().blank())
        lines.pop_back();
    size_t first = 0;
    while (first < lines.size() && lines[first].blank())
        ++first;
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(first));
    return lines;
}

std::vector<std::vector<InputLine>> InputBlocks(const std::vector<InputLine>& lines) {
    std::vector<std::vector<InputLine>> blocks;
    bool open = false;
    for (const InputLine& line : lines) {
        if (line.blank()) {
            open = false;
            continue;
        }
        if (!open)
            blocks.emplace_back();
        open = true;
        blocks.back().push_back(line);
    }
    return blocks;
}

std::optional<FormatError> CheckStorable(const std::vector<InputLine>& lines) {
    for (const InputLine& line : lines) {
        if (const std::optional<QString> character = FirstUnstorable(line.Text)) {
            return FormatError{line.Number,
                               QStringLiteral("Das Zeichen \"%1\" l\u00e4sst sich in einem "
                                              "Quindor-Dokument nicht speichern (nur Zeichen aus "
                                              "Windows-1252).")
                                   .arg(*character)};
        }
    }
    return std::nullopt;
}

std::optional<QString> CheckStorableField(const QString& fieldName, const QString& text) {
    const std::optional<QString> character = FirstUnstorable(text);
    if (!character)
        return std::nullopt;
    return QStringLiteral("%1 enth\u00e4lt das Zeichen \"%2\", das sich in einem Quindor-Dokument "
                          "nicht speichern l\u00e4sst (nur Zeichen aus Windows-1252).")
        .arg(fieldName, *character);
}

Parsed<QString> DecodeInput(const QByteArray& bytes) {
    QByteArray rest = bytes;
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest.remove(0, 3);
    QStringList lines;
    int number = 0;
    for (const QByteArray& line : rest.split('\n')) {
        ++number;
        QStringDecoder decoder(QStringDecoder::Utf8);
        QString decoded = decoder.decode(line);
        if (decoder.hasError())
            return Parsed<QString>::failure(
                number, QStringLiteral("Der Text ist nicht in UTF-8 geschrieben."));
        lines.append(decoded);
    }
    return {lines.join(QLatin1Char('\n')), {}};
}

} // namespace quindor
