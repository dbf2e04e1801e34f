#include "exercise/normalised_text.h"

namespace quindor {

QString NormaliseText(const QString& text) {
    QString s = text;
    // A hyphen at a line end: a lower-case letter after it continues the word ("Fahr-\r\nrad"),
    // anything else keeps the hyphen ("Rad-\r\nFahrer").
    const QString soft = QStringLiteral("-\r\n");
    for (qsizetype at = s.indexOf(soft); at >= 0 && at + 3 < s.size(); at = s.indexOf(soft)) {
        const QChar next = s.at(at + 3);
        if (next.toUpper() != next)
            s.remove(at, 3);
        else
            s.remove(at + 1, 2);
    }
    s.replace(QLatin1Char('\n'), QLatin1Char(' '));
    s.replace(QLatin1Char('\r'), QLatin1Char(' '));
    s.replace(QStringLiteral("   "), QStringLiteral(" "));
    s.replace(QStringLiteral("  "), QStringLiteral(" "));
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && s.at(end - 1).unicode() <= 0x20)
        --end;
    return s.mid(begin, end - begin);
}

} // namespace quindor
