#include "exercise/exercise_texts.h"

#include <QStringList>

namespace quindor {

QString InstructionText(int dokTyp, int abfrageModus) {
    switch (dokTyp) {
    case 0:
        switch (abfrageModus) {
        case 1:
            return QStringLiteral("Ziehe das Kärtchen an die richtige Position!");
        case 2:
            return QStringLiteral("Ziehe das richtige Kärtchen an die markierte Position!");
        case 3:
            // Typing the labels of a picture: told like the gap text's input mode.
            return QStringLiteral("Fülle die Eingabefelder richtig aus!");
        default:
            return QStringLiteral("Ziehe die Kärtchen an die jeweils richtige Position!");
        }
    case 1:
        switch (abfrageModus) {
        case 1:
            return QStringLiteral("Ziehe den Lückentext an die richtige Position!");
        case 2:
            return QStringLiteral("Ziehe den richtigen Lückentext an die markierte Position!");
        case 3:
            return QStringLiteral("Fülle die Textlücken richtig aus!");
        default:
            return QStringLiteral("Ziehe die Lückentexte an die jeweils richtige Position!");
        }
    case 2:
        return QStringLiteral("Klicke auf die richtige Antwort!");
    case 3:
        return QStringLiteral("Markiere alle zutreffenden Antworten!");
    case 4:
        return abfrageModus == 1 ? QStringLiteral("Ziehe das Kärtchen in den richtigen Korb!")
                                 : QStringLiteral("Ziehe die Kärtchen in den jeweils richtigen "
                                                  "Korb!");
    case 5:
        return QStringLiteral("Klicke zusammen- gehörige Elemente nacheinander an, um diese mit "
                              "einer Linie zu verbinden!");
    default:
        return QString();
    }
}

QString ClockText(int seconds) {
    const int s = std::max(0, seconds);
    return QStringLiteral("%1:%2")
        .arg(s / 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

namespace {

QString Join(std::initializer_list<QString> pieces) {
    QStringList list(pieces);
    return list.join(QLatin1Char(' '));
}

} // namespace

QString RightLine(int dokTyp, int abfrageModus, const QString& card, const QString& target) {
    const QString c = Quoted(card);
    const QString t = Quoted(target);
    switch (dokTyp) {
    case 0:
        if (abfrageModus == 1)
            return Join({QStringLiteral("RICHTIG - Text-/Bildkärtchen"), c,
                         QStringLiteral("wird richtig zugeordnet")});
        if (abfrageModus == 2)
            return Join({QStringLiteral("RICHTIG - Der Position von"), t,
                         QStringLiteral("wird das richtige Text-/Bildkärtchen zugeordnet")});
        return Join({QStringLiteral("RICHTIG - Text-/Bildkärtchen"), c,
                     QStringLiteral("wird der richtigen Position zugeordnet")});
    case 1:
        if (abfrageModus == 1)
            return Join({QStringLiteral("RICHTIG - Lückentext"), c,
                         QStringLiteral("wird richtig zugeordnet")});
        if (abfrageModus == 2)
            return Join({QStringLiteral("RICHTIG - Der Lücke"), t,
                         QStringLiteral("wird der richtige Lückentext zugeordnet")});
        return Join({QStringLiteral("RICHTIG - Lückentext"), c,
                     QStringLiteral("wird der richtigen Lücke zugeordnet")});
    case 2:
        return Join({QStringLiteral("RICHTIG - Gewählte Antwort:"), c});
    case 4:
        return Join({QStringLiteral("RICHTIG - Text-/Bildkärtchen"), c,
                     QStringLiteral("wird dem richtigen Korb zugeordnet")});
    case 5:
        return Join({QStringLiteral("RICHTIG -"), c, QStringLiteral("wird mit"), t,
                     QStringLiteral("verbunden")});
    default:
        return QString();
    }
}

QString WrongLine(int dokTyp, int abfrageModus, const QString& card, const QString& target) {
    const QString c = Quoted(card);
    const QString t = Quoted(target);
    switch (dokTyp) {
    case 0:
        if (abfrageModus == 2)
            return Join({QStringLiteral("FALSCH - Der Position von"), t,
                         QStringLiteral("wird das Text-/Bildkärtchen"), c,
                         QStringLiteral("zugeordnet")});
        return Join({QStringLiteral("FALSCH - Text-/Bildkärtchen"), c,
                     QStringLiteral("wird der Position von"), t, QStringLiteral("zugeordnet")});
    case 1:
        if (abfrageModus == 2)
            return Join({QStringLiteral("FALSCH - Der Lücke"), t,
                         QStringLiteral("wird der Lückentext"), c, QStringLiteral("zugeordnet")});
        return Join({QStringLiteral("FALSCH - Lückentext"), c, QStringLiteral("wird der Lücke von"),
                     t, QStringLiteral("zugeordnet")});
    case 2:
        return Join({QStringLiteral("FALSCH - Gewählte Antwort:"), c});
    case 4:
        return Join({QStringLiteral("FALSCH - Text-/Bildkärtchen"), c,
                     abfrageModus == 1 ? QStringLiteral("wird dem falschen Korb  zugeordnet")
                                       : QStringLiteral("wird dem falschen Korb zugeordnet")});
    case 5:
        return Join({QStringLiteral("FALSCH -"), c, QStringLiteral("wird mit"), t,
                     QStringLiteral("verbunden")});
    default:
        return QString();
    }
}

QString PresentCardLine(int dokTyp, const QString& caption) {
    const QString c = Quoted(caption);
    if (dokTyp == 1)
        return Join({QStringLiteral("Lückentext"), c,
                     QStringLiteral("soll der richtigen Lücke zugeordnet werden")});
    if (dokTyp == 4)
        return Join({QStringLiteral("Text-/Bildkärtchen"), c,
                     QStringLiteral("soll dem richtigen Korb zugeordnet werden")});
    return Join({QStringLiteral("Text-/Bildkärtchen"), c,
                 QStringLiteral("soll der richtigen Position zugeordnet werden")});
}

QString PresentPositionLine(int dokTyp, const QString& caption) {
    const QString c = Quoted(caption);
    if (dokTyp == 1)
        return Join({QStringLiteral("Der Lücke"), c,
                     QStringLiteral("soll der richtige Lückentext zugeordnet werden")});
    return Join({QStringLiteral("Der Position"), c,
                 QStringLiteral("soll das richtige Text- oder Bildkärtchen zugeordnet werden")});
}

} // namespace quindor
