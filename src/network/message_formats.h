#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

#include <cstdint>
#include <optional>

namespace quindor {

// How numbers and times travel in the lines of a message.

// A decimal with exactly `decimals` digits after a point, whatever the regional settings say.
QString FixedText(double value, int decimals);
// The general text of a real in the regional settings: 15 significant digits, trailing zeros
// dropped; fixed notation unless the value is not 0 and below 0.00001 in magnitude, or has more
// than 15 integer digits; then "1,5E-6" (the locale's decimal separator, an exponent without
// "+" or leading zeros).
QString RealText(double value, const QLocale& locale);
// The time of day as the regional settings write it with seconds (no time zone).
QString ClockTimeText(const QTime& time, const QLocale& locale);

// Strict conversions, which refuse anything but the number: an integer (leading blanks
// allowed, within 32 bits) and a finite real (surrounding blanks allowed). Reals travel in the
// sender's regional settings, which never write a thousands separator there, so a point or a
// comma is the decimal separator, whatever this computer uses.
std::optional<int32_t> StrictInteger(const QString& text);
std::optional<double> StrictReal(const QString& text);
// The lenient reading of counts and states: blanks removed, read as a decimal number, rounded
// to an integer; 0 for anything unreadable.
int LenientInteger(const QString& text);

} // namespace quindor
