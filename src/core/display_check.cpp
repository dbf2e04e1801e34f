#include "core/display_check.h"

namespace quindor {

QString DisplayCheckWarning(int width, int height, int depth) {
    // The bound is 960 pixels wide, although the message asks for 1024: narrower screens with
    // a side bar still show the program usably.
    if (width >= 960 && height >= 768 && depth >= 15)
        return QString();
    return QStringLiteral("Ungeeigneter Grafikmodus! (Windows-Systemsteuerung / Eigenschaften von "
                          "Anzeige)\r\n\r\nF\u00fcr dieses Programm sollte ein Grafikmodus mit "
                          "einer Aufl\u00f6sung von mindestens 1024 x 768 Pixel "
                          "(Bildpunkte)und einer Farbtiefe von mindestens 16 Bit (High Color) "
                          "eingestellt sein. \r\nAktuelle Einstellungen:\r\n- Aufl\u00f6sung: ") +
           QString::number(width) + QStringLiteral(" x ") + QString::number(height) +
           QStringLiteral(" Pixel\r\n- Farbtiefe: ") + QString::number(depth) +
           QStringLiteral(" Bit\r\n\r\nProgramm trotzdem starten?");
}

} // namespace quindor
