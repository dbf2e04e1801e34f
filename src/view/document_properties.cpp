#include "view/document_properties.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quindor {

QString UnknownValueText() {
    return QStringLiteral("(konnte nicht ermittelt werden)");
}

QString PropertiesHint() {
    return QStringLiteral(
        "Die Angaben k\u00f6nnen nur mit dem Quindor-Autorensystem ver\u00e4ndert "
        "werden.");
}

QString AlignmentName(int alignment) {
    switch (alignment) {
    case 0:
        return QStringLiteral("linksb\u00fcndig");
    case 1:
        return QStringLiteral("mittig");
    default:
        return QStringLiteral("rechtsb\u00fcndig");
    }
}

DocumentPropertiesTexts DocumentProperties(const Document& document, const QLocale& locale) {
    const HeaderDataTyp& h = document.Header;
    DocumentPropertiesTexts texts;
    texts.Groesse = UnknownValueText();
    texts.GeaendertAm = UnknownValueText();
    if (!h.FileName.isEmpty()) {
        const QFileInfo info(h.FileName);
        texts.Datei = info.fileName();
        texts.Ordner = QDir::toNativeSeparators(info.absolutePath()) + QDir::separator();
        // The size is read by opening the file, as a file that cannot be opened has none.
        QFile file(h.FileName);
        if (file.open(QIODevice::ReadOnly))
            texts.Groesse = locale.toString(file.size()) + QStringLiteral(" Bytes");
        const QDateTime changed = info.exists() ? info.lastModified() : QDateTime();
        if (changed.isValid())
            texts.GeaendertAm = locale.toString(changed, QLocale::ShortFormat);
    }
    texts.Dokumententyp = DocumentTypeName(h.DokTyp, h.DokUnterTyp);
    texts.Titel = h.Titel;
    texts.Autor = h.Autor;
    texts.Bemerkung = h.Bemerkung;
    texts.NumArt = h.NumArt;
    texts.GeordnetArt = h.GeordnetArt;
    texts.Passwort = h.BilderPasswort.isEmpty() ? QStringLiteral("Passwort nicht gesetzt")
                                                : QStringLiteral("Passwort gesetzt");
    texts.LogoGroesse = locale.toString(h.LogoGroesse * 100.0, 'f', 0);
    texts.LogoAusricht = h.LogoAusricht;
    texts.Fusszeile = h.Fusszeile;
    texts.FusszeileAusricht = h.FusszeileAusricht;
    return texts;
}

} // namespace quindor
