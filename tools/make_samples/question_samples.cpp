#include "make_samples/question_samples.h"

#include "editor/document_makers.h"
#include "make_samples/sample_pictures.h"

namespace quindor::samples {

namespace {

ObjDataTyp ChoiceQuestion(int frageNummer, const QString& question, const QStringList& answers) {
    ObjDataTyp o;
    o.Typ = ObjectKind::ChoiceQuestion;
    o.Ebene = 1;
    o.FrageNummer = frageNummer;
    o.Cap = ChoiceCaption(question, answers);
    o.KAusr = 1;
    return o;
}

} // namespace

NamedDocument SingleQuestionsDocument() {
    Document d = NewDocument(DocumentType::Questions, DocumentSubtype::Plain,
                             QStringLiteral("Pflanzen-Quiz"),
                             QStringLiteral("Biologie, Klasse 5\r\n"
                                            "Beantworte die Fragen zu den Teilen einer Pflanze."),
                             DrawPaper(870, 620));
    ApplySingleQuestions(
        d, ParseQuestionText(QStringLiteral(
               "Mit welchem Teil nimmt die Pflanze Wasser aus dem Boden auf? // Mit den Wurzeln\r\n"
               "Welches Gas geben die gr\u00fcnen Bl\u00e4tter im Sonnenlicht an die Luft ab? // "
               "Sauerstoff\r\n"
               "Welcher Teil tr\u00e4gt die Bl\u00e4tter und leitet das Wasser nach oben? // Der "
               "St\u00e4ngel\r\n"
               "Was entwickelt sich nach der Best\u00e4ubung aus der Bl\u00fcte? // Die Frucht mit "
               "den Samen\r\n"
               "Was braucht eine Pflanze au\u00dfer Wasser und N\u00e4hrstoffen zum Wachsen? // "
               "Licht\r\n")));
    return {QStringLiteral("06_Einzelfragen.qdr"), d};
}

NamedDocument SignQuizDocument() {
    Document d = NewDocument(DocumentType::MultipleChoice, DocumentSubtype::Plain,
                             QStringLiteral("Verkehrszeichen-Quiz"),
                             QStringLiteral("Sachunterricht, Klasse 3\r\n"
                                            "Kreuze alle richtigen Antworten an."),
                             DrawPaper(870, 620));
    const struct {
        Sign sign;
        const char* question;
        QStringList answers;
    } withSign[] = {
        {Sign::Stop,
         "Was bedeutet dieses Verkehrszeichen?",
         {QStringLiteral("+Anhalten und Vorfahrt gew\u00e4hren"),
          QStringLiteral("-Hier darf man parken"), QStringLiteral("-Achtung, spielende Kinder"),
          QStringLiteral("-Ende der Einbahnstra\u00dfe")}},
        {Sign::GiveWay,
         "Was tust du, wenn du mit dem Fahrrad an dieses Zeichen kommst?",
         {QStringLiteral("+Langsam an die Kreuzung heranfahren"),
          QStringLiteral("-Schneller fahren, um zuerst dr\u00fcben zu sein"),
          QStringLiteral("+Die anderen Fahrzeuge zuerst fahren lassen")}},
        {Sign::Crossing,
         "Wo steht dieses Zeichen? Es zeigt Autofahrern, dass Fu\u00dfg\u00e4nger hier die "
         "Stra\u00dfe \u00fcberqueren d\u00fcrfen und Vorrang haben.",
         {QStringLiteral("+Am Zebrastreifen"), QStringLiteral("-Auf der Autobahn"),
          QStringLiteral("-Am Bahnhof auf dem Bahnsteig")}},
    };
    int k = 0;
    for (const auto& q : withSign) {
        ObjDataTyp o = ChoiceQuestion(++k, QString::fromUtf8(q.question), q.answers);
        o.Typ = ObjectKind::ChoiceQuestionPicture;
        o.Picture = MakePicture(DrawSign(q.sign, 240));
        d.Objects.push_back(o);
    }
    d.Objects.push_back(ChoiceQuestion(
        ++k, QStringLiteral("Was geh\u00f6rt zu einem verkehrssicheren Fahrrad?"),
        {QStringLiteral("+Eine Klingel"), QStringLiteral("+Licht vorne und hinten"),
         QStringLiteral("-Ein Korb am Lenker"), QStringLiteral("+Zwei Bremsen, die greifen"),
         QStringLiteral("-Ein Aufkleber")}));
    d.Header.AnzFrageNummern = k;
    return {QStringLiteral("07_Verkehrszeichen-Quiz.qdr"), d};
}

NamedDocument PictureChoiceDocument() {
    Document d = NewDocument(DocumentType::MultipleChoice, DocumentSubtype::Plain,
                             QStringLiteral("Bilder-Quiz: Obst, Tiere, Zeichen"),
                             QStringLiteral("Klasse 1 und 2\r\n"
                                            "Kreuze alle passenden Bilder an."),
                             DrawPaper(870, 620));
    const struct {
        const char* question;
        QStringList answers;
        std::vector<QImage> pictures;
    } questions[] = {
        {"Welche Bilder zeigen Obst?",
         {QStringLiteral("+Apfel"), QStringLiteral("-Vogel"), QStringLiteral("+Birne"),
          QStringLiteral("-Fisch"), QStringLiteral("-Stoppschild")},
         {DrawSymbol(0, 160), DrawSymbol(2, 160), DrawSymbol(1, 160), DrawSymbol(3, 160),
          DrawSign(Sign::Stop, 160)}},
        {"Welches Tier lebt im Wasser?",
         {QStringLiteral("-Vogel"), QStringLiteral("+Fisch"), QStringLiteral("-Apfel"),
          QStringLiteral("-Pflanze")},
         {DrawSymbol(2, 160), DrawSymbol(3, 160), DrawSymbol(0, 160), DrawPlant(160, 160)}},
        {"Welche Verkehrszeichen sind rund oder dreieckig?",
         {QStringLiteral("-Stoppschild"), QStringLiteral("+Vorfahrt achten"),
          QStringLiteral("-Fu\u00dfg\u00e4nger\u00fcberweg"), QStringLiteral("+Radweg")},
         {DrawSign(Sign::Stop, 160), DrawSign(Sign::GiveWay, 160), DrawSign(Sign::Crossing, 160),
          DrawSign(Sign::CyclePath, 160)}},
    };
    int k = 0;
    for (const auto& q : questions) {
        ObjDataTyp o = ChoiceQuestion(++k, QString::fromUtf8(q.question), q.answers);
        o.Untertyp = 1;
        o.AntwortAnz = static_cast<int>(q.pictures.size());
        for (size_t i = 0; i < q.pictures.size(); ++i)
            o.AnswerPicture(static_cast<int>(i)) = MakePicture(q.pictures[i]);
        d.Objects.push_back(o);
    }
    d.Header.AnzFrageNummern = k;
    return {QStringLiteral("08_Bilder-Quiz.qdr"), d};
}

} // namespace quindor::samples
