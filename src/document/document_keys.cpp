#include "document/document_keys.h"

#include <QList>

namespace quindor::keys {

QByteArray CurrentKeyList() {
    static const char* const kKeys[] = {"HD-vers",
                                        "HD-titel",
                                        "HD-autor",
                                        "HD-bemerkung",
                                        Lueckentext,
                                        Fragentext,
                                        AnzFrageNummern,
                                        DokTyp,
                                        RandErw,
                                        NumArt,
                                        GeordnetArt,
                                        EinrueckRand,
                                        "OB-Sx",
                                        "OB-Sy",
                                        "OB-Kx",
                                        "OB-Ky",
                                        "OB-Cap",
                                        "OB-KAusr",
                                        "OB-TAusr",
                                        "OB-Ebene",
                                        "OB-Typ",
                                        "OB-Sline",
                                        "OB-Fsize",
                                        "OB-KAusrAkt",
                                        FrageNummer,
                                        Stil,
                                        Farbe,
                                        Untertyp,
                                        BildAntw,
                                        AntwortAnz,
                                        LinieFarbe,
                                        LinieDicke,
                                        HtgdCol,
                                        MinLuecke,
                                        "HD-LueckenTabelle",
                                        TabelleZeilen,
                                        TabelleSpalten,
                                        TabelleLinie,
                                        TabelleLinieCol,
                                        DokUnterTyp,
                                        ZIndex,
                                        HFarbe,
                                        HDeck,
                                        PktCap,
                                        BildKenn,
                                        BildkarteAnpassen,
                                        PunktInUebung,
                                        BilderPasswort,
                                        Schriftart,
                                        TabelleBild,
                                        Arbeitsblatt,
                                        ABAufgabe,
                                        TextCol,
                                        FragBtnHtgdCol,
                                        FragBtnTextCol,
                                        TabelleBildLink,
                                        PktHtgdDeck,
                                        ABLogo,
                                        PktCap2,
                                        SpaltenHtgd,
                                        BasisbildDeck,
                                        BildDeck};
    static_assert(sizeof(kKeys) / sizeof(kKeys[0]) == 62);
    QByteArray list("|");
    for (const char* key : kKeys) {
        list += key;
        list += '|';
    }
    return list;
}

QList<QByteArray> SplitKeyList(QByteArrayView keyList) {
    QList<QByteArray> result;
    for (const QByteArray& item : keyList.toByteArray().split('|')) {
        if (!item.isEmpty())
            result.append(item);
    }
    return result;
}

} // namespace quindor::keys
