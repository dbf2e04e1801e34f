#include "editor/text_kinds.h"

#include <algorithm>

namespace quindor {

const std::vector<TextKindRow>& TextKinds() {
    static const std::vector<TextKindRow> rows = {
        {TextKind::GapText, "lueckentext", DocumentType::GapText, DocumentSubtype::Plain,
         "Der Text, wie er ist. Jede L\u00fccke steht zwischen << und >>, mit "
         "Alternativen durch | getrennt: <<Antwort|Alternative>>. Auch <B>fett</B>, "
         "<I>kursiv</I> und <U>unterstrichen</U> sind erlaubt.",
         "Die Sonne geht im <<Osten>> auf und im <<Westen>> unter.\n"
         "Ein Gl\u00fccksklee hat <<vier|Vier|4>> Bl\u00e4tter."},
        {TextKind::CTest, "ctest", DocumentType::GapText, DocumentSubtype::CTest,
         "Reiner Text. Der erste und der letzte Satz bleiben ganz; dazwischen verliert jedes "
         "zweite Wort mit zwei oder mehr Buchstaben seine zweite H\u00e4lfte.",
         "Der Igel ist ein kleines S\u00e4ugetier. Er lebt am Waldrand und in G\u00e4rten. "
         "Am Tag schl\u00e4ft er in einem Versteck aus Laub. Im Winter h\u00e4lt er "
         "Winterschlaf."},
        {TextKind::GapTable, "lueckentabelle", DocumentType::GapText, DocumentSubtype::GapTable,
         "Eine Zeile je Tabellenzeile, die Zellen durch Tabulator getrennt; in den Zellen "
         "L\u00fccken wie im L\u00fcckentext. H\u00f6chstens 16 Zeilen und 12 Spalten.",
         "<B>Tier</B>\t<B>Junges</B>\n"
         "Hund\tder <<Welpe>>\n"
         "Katze\tdas <<K\u00e4tzchen|Kitten>>"},
        {TextKind::Questions, "einzelfragen", DocumentType::Questions, DocumentSubtype::Plain,
         "Eine Frage je Zeile: Frage // Antwort.",
         "Wie hei\u00dft die Hauptstadt von Frankreich? // Paris\n"
         "Wie viele Beine hat eine Spinne? // acht"},
        {TextKind::Choice, "mc", DocumentType::MultipleChoice, DocumentSubtype::Plain,
         "Fragen durch eine Leerzeile getrennt. Die erste Zeile ist die Frage, jede weitere "
         "eine Antwort mit + (richtig) oder - (falsch) davor; h\u00f6chstens 12 Antworten.",
         "Welche Tiere sind S\u00e4ugetiere?\n"
         "+ Hund\n"
         "+ Wal\n"
         "- Forelle\n"
         "\n"
         "Wie viele Tage hat eine Woche?\n"
         "- f\u00fcnf\n"
         "+ sieben"},
        {TextKind::Cluster, "cluster", DocumentType::Cluster, DocumentSubtype::Plain,
         "Ein Korb je Absatz, Abs\u00e4tze durch eine Leerzeile getrennt. Die erste Zeile ist die "
         "\u00dcberschrift des Korbs, jede weitere ein K\u00e4rtchen, das in diesen Korb "
         "geh\u00f6rt. 2 bis 5 K\u00f6rbe mit h\u00f6chstens 15 K\u00e4rtchen.",
         "Obst\n"
         "Apfel\n"
         "Kirsche\n"
         "\n"
         "Gem\u00fcse\n"
         "M\u00f6hre\n"
         "Gurke"},
        {TextKind::Pairs, "zuordnung", DocumentType::CrossMatching, DocumentSubtype::Plain,
         "Ein Paar je Zeile, linkes und rechtes Element durch Tabulator oder \" = \" getrennt; "
         "h\u00f6chstens 16 Paare.",
         "Hund = bellen\n"
         "Katze = miauen\n"
         "Kuh = muhen"},
    };
    return rows;
}

const TextKindRow& TextKindRowOf(TextKind kind) {
    return TextKinds()[static_cast<size_t>(kind)];
}

std::optional<TextKind> TextKindOfCommand(const QString& command) {
    for (const TextKindRow& row : TextKinds()) {
        if (command == QLatin1String(row.command))
            return row.kind;
    }
    return std::nullopt;
}

std::optional<TextKind> TextKindOf(const HeaderDataTyp& header) {
    const auto& rows = TextKinds();
    const auto found = std::find_if(rows.begin(), rows.end(), [&header](const TextKindRow& row) {
        return row.type == header.DokTyp &&
               (row.type != DocumentType::GapText || row.subtype == header.DokUnterTyp);
    });
    if (found == rows.end())
        return std::nullopt;
    return found->kind;
}

QString TextKindName(TextKind kind) {
    const TextKindRow& row = TextKindRowOf(kind);
    return DocumentTypeName(row.type, row.subtype);
}

} // namespace quindor
