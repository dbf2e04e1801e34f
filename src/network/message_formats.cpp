#include "network/message_formats.h"

#include "core/rounding.h"

#include <QRegularExpression>

#include <cmath>

namespace quindor {

QString FixedText(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString RealText(double value, const QLocale& locale) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0.0)
        return QStringLiteral("0");
    // 15 significant digits decide the exponent after rounding (9.99999999999999999 is 10).
    const QString scientific = QString::number(value, 'e', 14);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(e + 1).toInt();
    const QString point = locale.decimalPoint();
    const auto stripZeros = [](QString digits) {
        if (digits.contains(QLatin1Char('.'))) {
            while (digits.endsWith(QLatin1Char('0')))
                digits.chop(1);
            if (digits.endsWith(QLatin1Char('.')))
                digits.chop(1);
        }
        return digits;
    };
    QString text;
    if (exponent < -5 || exponent >= 15) {
        text = stripZeros(scientific.left(e)) + QLatin1Char('E') + QString::number(exponent);
    } else {
        text = stripZeros(QString::number(value, 'f', std::max(0, 14 - exponent)));
    }
    text.replace(QLatin1Char('.'), point);
    return text;
}

QString ClockTimeText(const QTime& time, const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    // The long format of most locales ends with the time zone, which a clock text has not.
    format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return locale.toString(time, format.trimmed());
}

std::optional<int32_t> StrictInteger(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^ *([+-]?[0-9]+)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = match.captured(1).toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<double> StrictReal(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^\\s*([+-]?)([0-9]*)(?:[.,]([0-9]*))?"
                                                           "(?:[eE]([+-]?[0-9]+))?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || (match.captured(2).isEmpty() && match.captured(3).isEmpty()))
        return std::nullopt;
    QString plain =
        match.captured(1) + (match.captured(2).isEmpty() ? QStringLiteral("0") : match.captured(2));
    if (!match.captured(3).isEmpty())
        plain += QLatin1Char('.') + match.captured(3);
    if (!match.captured(4).isEmpty())
        plain += QLatin1Char('e') + match.captured(4);
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

int LenientInteger(const QString& text) {
    QString plain = text;
    plain.remove(QLatin1Char(' '));
    bool ok = false;
    const double value = plain.toDouble(&ok);
    return ok && std::isfinite(value) ? RoundHalfEven(value) : 0;
}

} // namespace quindor
