#pragma once

#include "document/document.h"

#include <QLocale>
#include <QString>

namespace quindor {

// What the properties dialog shows of the open document, as texts.
struct DocumentPropertiesTexts {
    QString Datei;
    QString Ordner;
    QString Groesse;
    QString GeaendertAm;
    QString Dokumententyp;
    QString Titel;
    QString Autor;
    QString Bemerkung;
    int NumArt = 0;
    int GeordnetArt = 0;
    QString Passwort;
    QString LogoGroesse;
    int LogoAusricht = 2;
    QString Fusszeile;
    int FusszeileAusricht = 0;
};

QString UnknownValueText();
QString PropertiesHint();
// "linksbündig", "mittig", "rechtsbündig".
QString AlignmentName(int alignment);
// Size and date are read from the file; a file that cannot be read shows
// "(konnte nicht ermittelt werden)" for both.
DocumentPropertiesTexts DocumentProperties(const Document& document,
                                           const QLocale& locale = QLocale());

} // namespace quindor
