#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace quindor::keys {

// Keys of the key list that every document file carries. They are compared as Windows-1252
// bytes, the way the file holds them ("HD-Einr\xFCckRand" has an u-umlaut).
inline constexpr const char* Lueckentext = "HD-lueckentext";
inline constexpr const char* Fragentext = "HD-fragentext";
inline constexpr const char* AnzFrageNummern = "HD-AnzFrageNummern";
inline constexpr const char* DokTyp = "HD-DokTyp";
inline constexpr const char* RandErw = "HD-RandErw";
inline constexpr const char* NumArt = "HD-NumArt";
inline constexpr const char* GeordnetArt = "HD-GeordnetArt";
inline constexpr const char* EinrueckRand = "HD-Einr\xFC"
                                            "ckRand";
inline constexpr const char* HtgdCol = "HD-HtgdCol";
inline constexpr const char* BasisbildDeck = "HD-BasisbildDeck";
inline constexpr const char* MinLuecke = "HD-MinLuecke";
inline constexpr const char* DokUnterTyp = "HD-DokUnterTyp";
inline constexpr const char* TabelleZeilen = "HD-LueckenTabelleZeilen";
inline constexpr const char* TabelleSpalten = "HD-LueckenTabelleSpalten";
inline constexpr const char* TabelleLinie = "HD-LueckenTabelleLinie";
inline constexpr const char* TabelleLinieCol = "HD-LueckenTabelleLinieCol";
inline constexpr const char* TabelleBild = "HD-LueckenTabelleBild";
inline constexpr const char* TabelleBildLink = "HD-LueckenTabelleBildLink";
inline constexpr const char* SpaltenHtgd = "HD-LueckentabelleSpaltenHtgd";
inline constexpr const char* BilderPasswort = "HD-BilderPasswort";
inline constexpr const char* Schriftart = "HD-Schriftart";
inline constexpr const char* Arbeitsblatt = "HD-Arbeitsblatt";
inline constexpr const char* ABAufgabe = "HD-ABAufgabe";
inline constexpr const char* TextCol = "HD-TextCol";
inline constexpr const char* FragBtnHtgdCol = "HD-FragBtnHtgdCol";
inline constexpr const char* FragBtnTextCol = "HD-FragBtnTextCol";
inline constexpr const char* ABLogo = "HD-ABLogo";

inline constexpr const char* FrageNummer = "OB-FrageNummer";
inline constexpr const char* Stil = "OB-Stil";
inline constexpr const char* Farbe = "OB-Farbe";
inline constexpr const char* LinieFarbe = "OB-LinieFarbe";
inline constexpr const char* LinieDicke = "OB-LinieDicke";
inline constexpr const char* Untertyp = "OB-Untertyp";
inline constexpr const char* AntwortAnz = "OB-AntwortAnz";
inline constexpr const char* ZIndex = "OB-ZIndex";
inline constexpr const char* HFarbe = "OB-HFarbe";
inline constexpr const char* HDeck = "OB-HDeck";
inline constexpr const char* PktCap = "OB-PktCap";
inline constexpr const char* PktCap2 = "OB-PktCap2";
inline constexpr const char* BildKenn = "OB-BildKenn";
inline constexpr const char* BildDeck = "OB-BildDeck";
inline constexpr const char* BildkarteAnpassen = "OB-BildkarteAnpassen";
inline constexpr const char* PunktInUebung = "OB-PunktInUebung";
inline constexpr const char* BildAntw = "OB-BildAntw";
inline constexpr const char* PktHtgdDeck = "OB-PktHtgdDeck";

// The 62 keys of format version 2.15, in the order the writer lists them.
QByteArray CurrentKeyList();
// The keys of a stored key list, in order (the "|"-separated items).
QList<QByteArray> SplitKeyList(QByteArrayView keyList);

inline constexpr const char* CurrentMagic = "QDR-2.15";
inline constexpr const char* CurrentVersion = "2.15";

} // namespace quindor::keys
