#include "make_samples/sample_documents.h"

#include "editor/c_test.h"
#include "editor/document_makers.h"
#include "make_samples/question_samples.h"
#include "make_samples/sample_pictures.h"

#include <QPointF>
#include <QStringList>

namespace quindor::samples {

namespace {

const QString kAuthor = QStringLiteral("Quindor-Beispiele");
constexpr WinColor kLineColour = MakeWinColor(45, 60, 120);
constexpr WinColor kWhite = 0xFFFFFF;

} // namespace

Picture MakePicture(const QImage& image) {
    Picture picture;
    picture.Image = image;
    picture.Blended = image.hasAlphaChannel();
    picture.Linear = true;
    return picture;
}

Document NewDocument(DocumentType dokTyp, DocumentSubtype dokUnterTyp, const QString& titel,
                     const QString& bemerkung, const QImage& base) {
    Document d;
    HeaderDataTyp& h = d.Header;
    h.DokTyp = dokTyp;
    h.DokUnterTyp = dokUnterTyp;
    h.EinrueckRand = DefaultEinrueckRand(dokTyp);
    h.Titel = titel;
    h.Autor = kAuthor;
    h.Bemerkung = bemerkung;
    h.Vers = QStringLiteral("1.00");
    d.BaseImage = MakePicture(base);
    return d;
}

namespace {

// Places objects in pixels of a reference base image and stores them as page fractions.
class Placer {
public:
    Placer(Document& document, double width, double height)
        : document_(document), width_(width), height_(height) {}

    ObjDataTyp& add(ObjectKind typ, int ebene, const QString& cap, QPointF spot, QPointF card,
                    int kAusr) {
        ObjDataTyp o;
        o.Typ = typ;
        o.Ebene = ebene;
        o.Cap = cap;
        o.Sx = spot.x() / width_;
        o.Sy = spot.y() / height_;
        o.Kx = card.x() / width_;
        o.Ky = card.y() / height_;
        o.KAusr = kAusr;
        o.HFarbe = kWhite;
        o.PktCap = DefaultPointTitle(typ);
        document_.Objects.push_back(o);
        return document_.Objects.back();
    }

    // A white card with a line to the spot it names.
    ObjDataTyp& queryLabel(const QString& cap, QPointF spot, QPointF card, int kAusr) {
        ObjDataTyp& o = add(ObjectKind::QueryLabel, 1, cap, spot, card, kAusr);
        o.Sline = 1;
        o.LinieDicke = 2;
        o.LinieFarbe = kLineColour;
        o.HDeck = 100;
        o.Fsize = 2;
        o.TAusr = 1;
        o.ZIndex = 2;
        return o;
    }

    ObjDataTyp& point(ObjectKind typ, const QString& cap, QPointF at) {
        ObjDataTyp& o = add(typ, 2, cap, at, at, 1);
        o.HFarbe = DefaultPointColour(typ);
        o.Farbe = kWhite;
        o.HDeck = 100;
        o.LinieDicke = 1;
        o.ZIndex = 3;
        return o;
    }

    ObjDataTyp& picture(ObjectKind typ, const QImage& image, QPointF spot, QPointF card,
                        int kAusr) {
        ObjDataTyp& o = add(typ, 1, QString(), spot, card, kAusr);
        o.Picture = MakePicture(image);
        o.Fsize = 20;
        o.ZIndex = 2;
        return o;
    }

private:
    Document& document_;
    double width_;
    double height_;
};

NamedDocument PlantDocument() {
    Document d = NewDocument(DocumentType::Labelling, DocumentSubtype::Plain,
                             QStringLiteral("Die Teile einer Pflanze"),
                             QStringLiteral("Biologie, Klasse 5\r\n"
                                            "Benenne die Teile der Bl\u00fctenpflanze.\r\n"
                                            "Der Infopunkt \u201eLehrer\u201c an der Wurzel "
                                            "\u00f6ffnet sich mit dem Passwort "
                                            "\u201eLehrer\u201c."),
                             DrawPlant(1000, 720));
    Placer place(d, 1000, 720);
    place.queryLabel(QStringLiteral("Bl\u00fcte"), {470, 118}, {300, 60}, 3);
    place.queryLabel(QStringLiteral("Bl\u00fctenblatt"), {548, 102}, {720, 60}, 1);
    place.queryLabel(QStringLiteral("Knospe"), {632, 178}, {780, 150}, 1);
    place.queryLabel(QStringLiteral("Laubblatt"), {385, 352}, {220, 270}, 3);
    place.queryLabel(QStringLiteral("St\u00e4ngel"), {502, 412}, {720, 420}, 1);
    place.queryLabel(QStringLiteral("Wurzel"), {500, 545}, {760, 590}, 1);

    ObjDataTyp& sun = place.add(ObjectKind::FixedLabel, 1, QStringLiteral("Sonnenlicht"),
                                {110, 162}, {110, 162}, 4);
    sun.Fsize = 1;
    sun.TAusr = 1;
    sun.ZIndex = 1;
    ObjDataTyp& soil =
        place.add(ObjectKind::FixedLabel, 1, QStringLiteral("Erdboden"), {30, 690}, {30, 690}, 1);
    soil.Farbe = kWhite;
    soil.Stil = 1;
    soil.ZIndex = 1;

    place.point(ObjectKind::InfoPoint,
                QStringLiteral("<B>Fotosynthese</B>\r\n"
                               "In den gr\u00fcnen <B>Laubbl\u00e4ttern</B> stellt die Pflanze mit "
                               "Hilfe von <I>Sonnenlicht</I> aus Wasser und Kohlenstoffdioxid "
                               "Zucker her.\r\n"
                               "Dabei gibt sie <U>Sauerstoff</U> an die Luft ab."),
                {260, 420});
    // The teacher's hint behind a password ("Lehrer"), to show protected info texts.
    ObjDataTyp& roots =
        place.point(ObjectKind::InfoPoint,
                    QStringLiteral("<B>Die Wurzeln</B>\r\n"
                                   "Sie halten die Pflanze im Boden fest und nehmen <I>Wasser</I> "
                                   "und <I>N\u00e4hrsalze</I> auf."),
                    {360, 620});
    roots.BildKenn = QStringLiteral("Lehrer");
    roots.PktCap = QStringLiteral("Lehrer");
    place.point(ObjectKind::DocumentLink, QStringLiteral("02_Lueckentext.qdr"), {930, 630});
    place.point(ObjectKind::ExternalLink, QStringLiteral("https://de.wikipedia.org/wiki/Pflanze"),
                {930, 685});
    return {QStringLiteral("01_Pflanze.qdr"), d};
}

NamedDocument GapTextDocument() {
    Document d = NewDocument(DocumentType::GapText, DocumentSubtype::Plain,
                             QStringLiteral("Was Pflanzen zum Leben brauchen"),
                             QStringLiteral("L\u00fcckentext zu den Teilen einer Pflanze"),
                             DrawPaper(870, 1100));
    d.Header.Lueckentext = QStringLiteral(
        "<B>Was Pflanzen zum Leben brauchen</B>\r\n"
        "\r\n"
        "Pflanzen brauchen Licht, Wasser und <<N\u00e4hrstoffe>>. Die N\u00e4hrstoffe nimmt die "
        "Pflanze mit ihren <<Wurzeln>> aus dem Boden auf.\r\n"
        "Der <<St\u00e4ngel|Stiel>> tr\u00e4gt die Bl\u00e4tter und leitet das Wasser nach "
        "oben.\r\n"
        "In den gr\u00fcnen <<Bl\u00e4ttern|Laubbl\u00e4ttern>> entsteht mit Hilfe des "
        "Sonnenlichts Zucker. Dabei wird <<Sauerstoff>> frei, den Menschen und Tiere zum Atmen "
        "brauchen.\r\n"
        "Ein Kleeblatt hat meistens drei Bl\u00e4ttchen, ein Gl\u00fccksklee hat "
        "<<vier|Vier|4>>.\r\n"
        "Aus der <<Bl\u00fcte>> entwickelt sich nach der Best\u00e4ubung die Frucht mit den "
        "<<Samen>>.");
    return {QStringLiteral("02_Lueckentext.qdr"), d};
}

NamedDocument CTestDocument() {
    Document d = NewDocument(
        DocumentType::GapText, DocumentSubtype::CTest, QStringLiteral("C-Test: Der Igel"),
        QStringLiteral("Erg\u00e4nze die fehlenden Wortteile."), DrawPaper(870, 1100));
    d.Header.MinLuecke = 2;
    d.Header.Lueckentext =
        QStringLiteral("<B>Der Igel</B>\r\n"
                       "\r\n"
                       "Der Igel ist ein kleines S\u00e4ugetier mit vielen Stacheln. ") +
        GapEverySecondWord(QStringLiteral(
            "Er lebt am Waldrand, in Hecken und oft auch in G\u00e4rten. Am Tag schl\u00e4ft er "
            "meistens in einem Versteck aus Laub. In der D\u00e4mmerung geht er auf die Suche "
            "nach Futter. Er frisst gern K\u00e4fer, W\u00fcrmer und Schnecken. Im Herbst frisst "
            "er sich ein dickes Fettpolster an. Den Winter verbringt er schlafend in einem "
            "warmen Nest."));
    return {QStringLiteral("03_C-Test.qdr"), d};
}

NamedDocument SchoolWayDocument() {
    Document d = NewDocument(DocumentType::Labelling, DocumentSubtype::Plain,
                             QStringLiteral("Verkehrszeichen auf dem Schulweg"),
                             QStringLiteral("Sachunterricht, Klasse 3\r\n"
                                            "Ordne die Verkehrszeichen und Orte zu."),
                             DrawTownMap(1100, 760));
    Placer place(d, 1100, 760);
    const struct {
        Sign sign;
        const char* name;
        QPointF spot;
        QPointF card;
        int kAusr;
    } signs[] = {
        {Sign::Stop, "Stoppschild", {494, 588}, {430, 610}, 3},
        {Sign::GiveWay, "Vorfahrt achten", {472, 352}, {540, 335}, 1},
        {Sign::Crossing, "Fu\u00dfg\u00e4nger\u00fcberweg", {520, 260}, {445, 230}, 3},
        {Sign::CyclePath, "Radweg", {250, 416}, {250, 330}, 2},
    };
    for (const auto& s : signs) {
        ObjDataTyp& o =
            place.picture(ObjectKind::QueryPicture, DrawSign(s.sign, 96), s.spot, s.card, s.kAusr);
        o.BildKenn = QString::fromUtf8(s.name);
        o.Sline = 1;
        o.LinieDicke = 2;
        o.LinieFarbe = kLineColour;
    }
    ObjDataTyp& compass =
        place.picture(ObjectKind::FixedPicture, DrawCompassRose(120), {1035, 12}, {1035, 12}, 4);
    compass.Fsize = 30;
    compass.ZIndex = 1;

    place.queryLabel(QStringLiteral("Schule"), {685, 200}, {685, 60}, 2);
    place.queryLabel(QStringLiteral("Bahnhof"), {165, 195}, {165, 60}, 2);
    place.queryLabel(QStringLiteral("Park"), {660, 560}, {570, 700}, 3);
    place.queryLabel(QStringLiteral("Fluss"), {938, 540}, {1040, 620}, 4);
    place.queryLabel(QStringLiteral("Br\u00fccke"), {935, 380}, {1040, 300}, 2);
    place.point(ObjectKind::InfoPoint,
                QStringLiteral("<B>Am Zebrastreifen</B>\r\n"
                               "Bleib am Bordstein stehen, schau nach links und rechts und "
                               "warte, bis die Autos halten.\r\n"
                               "Mit dem <I>Fahrrad</I> schiebst du \u00fcber den Zebrastreifen."),
                {585, 245});
    return {QStringLiteral("04_Schulweg.qdr"), d};
}

NamedDocument SignTableDocument() {
    Document d = NewDocument(DocumentType::GapText, DocumentSubtype::GapTable,
                             QStringLiteral("Verkehrszeichen und ihre Bedeutung"),
                             QStringLiteral("Schreibe zu jedem Zeichen, wie es hei\u00dft."),
                             DrawPaper(870, 1000));
    HeaderDataTyp& h = d.Header;
    h.Zeilen = 5;
    h.Spalten = 2;
    h.Linie = 1;
    h.LinieCol = MakeWinColor(150, 160, 190);
    h.Cell(0, 0).Text = QStringLiteral("<B>Zeichen</B>");
    h.Cell(0, 1).Text = QStringLiteral("<B>Bedeutung</B>");
    const struct {
        Sign sign;
        int art;
        const char* kenn;
        const char* text;
    } rows[] = {
        {Sign::Stop, 2, "Stopp",
         "Das ist ein <<Stoppschild|Stoppzeichen>>. Hier h\u00e4lt man immer an."},
        {Sign::GiveWay, 2, "Vorfahrt",
         "<<Vorfahrt achten|Vorfahrt gew\u00e4hren>>: Die anderen d\u00fcrfen zuerst fahren."},
        {Sign::Crossing, 1, "",
         "Am <<Fu\u00dfg\u00e4nger\u00fcberweg|Zebrastreifen>> haben Fu\u00dfg\u00e4nger "
         "Vorrang."},
        {Sign::CyclePath, 3, "", "Auf dem <<Radweg>> fahren nur Fahrr\u00e4der."},
    };
    for (int row = 1; row < h.Zeilen; ++row) {
        const auto& r = rows[row - 1];
        CellDataTyp& picture = h.Cell(row, 0);
        picture.Art = r.art;
        picture.Bild = MakePicture(DrawSign(r.sign, 120));
        picture.BildKenn = QString::fromUtf8(r.kenn);
        picture.Fsize = 40;
        h.Cell(row, 1).Text = QString::fromUtf8(r.text);
    }
    // The picture link leads to the school-way map, in the learning view and in exercises.
    h.Cell(4, 0).Link = QStringLiteral("04_Schulweg.qdr");
    h.Cell(4, 0).PunktInUebung = 1;
    return {QStringLiteral("05_Verkehrszeichen.qdr"), d};
}

CellDataTyp TextCell(const QString& text, int art) {
    CellDataTyp cell;
    cell.Text = text;
    cell.Art = art;
    return cell;
}

CellDataTyp PictureCell(const QImage& image, int art) {
    CellDataTyp cell;
    cell.Art = art;
    cell.Bild = MakePicture(image);
    return cell;
}

// Three baskets with a heading each; every card, text or picture, belongs to one of them.
NamedDocument SortingDocument() {
    Document d = NewDocument(DocumentType::Cluster, DocumentSubtype::Plain,
                             QStringLiteral("Obst, Tiere oder Verkehrszeichen?"),
                             QStringLiteral("Sachunterricht, Klasse 1\r\n"
                                            "Sortiere die K\u00e4rtchen in die richtigen "
                                            "K\u00f6rbe."),
                             DrawPaper(1000, 700));
    HeaderDataTyp& h = d.Header;
    h.Zeilen = 5;
    h.Spalten = 3;
    h.Linie = 1;
    h.LinieCol = MakeWinColor(150, 160, 190);
    h.Cell(0, 0) = TextCell(QStringLiteral("Obst"), 0);
    h.Cell(0, 1) = TextCell(QStringLiteral("Tiere"), 0);
    h.Cell(0, 2) = TextCell(QStringLiteral("Verkehrszeichen"), 0);
    h.Cell(1, 0) = PictureCell(DrawSymbol(0, 96), 3);
    h.Cell(2, 0) = TextCell(QStringLiteral("Kirsche"), 1);
    h.Cell(3, 0) = PictureCell(DrawSymbol(1, 96), 3);
    h.Cell(4, 0) = TextCell(QStringLiteral("Banane"), 1);
    h.Cell(1, 1) = TextCell(QStringLiteral("Hund"), 1);
    h.Cell(2, 1) = PictureCell(DrawSymbol(2, 96), 3);
    h.Cell(3, 1) = TextCell(QStringLiteral("Katze"), 1);
    h.Cell(4, 1) = PictureCell(DrawSymbol(3, 96), 3);
    h.Cell(1, 2) = PictureCell(DrawSign(Sign::Stop, 96), 3);
    h.Cell(2, 2) = TextCell(QStringLiteral("Zebrastreifen"), 1);
    h.Cell(3, 2) = PictureCell(DrawSign(Sign::CyclePath, 96), 3);
    h.Cell(4, 2) = TextCell(QStringLiteral("Vorfahrt achten"), 1);
    return {QStringLiteral("09_Sortieren.qdr"), d};
}

// Pairs of a sign and its name or meaning, some with the picture on the left and some on the
// right, and two pairs of texts.
NamedDocument PairsDocument() {
    Document d = NewDocument(DocumentType::CrossMatching, DocumentSubtype::Plain,
                             QStringLiteral("Was bedeutet das Zeichen?"),
                             QStringLiteral("Sachunterricht, Klasse 2\r\n"
                                            "Verbinde, was zusammengeh\u00f6rt."),
                             DrawPaper(1000, 700));
    HeaderDataTyp& h = d.Header;
    h.Zeilen = 6;
    h.Spalten = 2;
    h.LinieCol = kLineColour;
    const auto pair = [&h](int row, const CellDataTyp& left, const CellDataTyp& right) {
        h.Cell(row, 0) = left;
        h.Cell(row, 1) = right;
    };
    pair(0, PictureCell(DrawSign(Sign::Stop, 96), 3), TextCell(QStringLiteral("Stoppschild"), 1));
    pair(1, TextCell(QStringLiteral("Hier haben Fu\u00dfg\u00e4nger Vorrang."), 1),
         PictureCell(DrawSign(Sign::Crossing, 96), 3));
    pair(2, PictureCell(DrawSign(Sign::CyclePath, 96), 3), TextCell(QStringLiteral("Radweg"), 1));
    pair(3, TextCell(QStringLiteral("Die anderen d\u00fcrfen zuerst fahren."), 1),
         PictureCell(DrawSign(Sign::GiveWay, 96), 3));
    pair(4, TextCell(QStringLiteral("Rote Ampel"), 1),
         TextCell(QStringLiteral("Stehen bleiben"), 1));
    pair(5, TextCell(QStringLiteral("Gr\u00fcne Ampel"), 1), TextCell(QStringLiteral("Gehen"), 1));
    return {QStringLiteral("10_Zuordnen.qdr"), d};
}

// Seeds must stay small: base image and pictures shrink to a few dozen pixels.
void Shrink(Document& d) {
    auto shrink = [](Picture& picture, int width) {
        if (!picture.isEmpty())
            picture.Image = picture.Image.scaledToWidth(width, Qt::SmoothTransformation);
    };
    shrink(d.BaseImage, 96);
    for (ObjDataTyp& o : d.Objects) {
        shrink(o.Picture, 20);
        for (Picture& answer : o.AntwPics)
            shrink(answer, 20);
    }
    for (auto& row : d.Header.Zellen) {
        for (CellDataTyp& cell : row)
            shrink(cell.Bild, 20);
    }
}

NamedDocument EmptySeed() {
    return {QStringLiteral("10_Leer.qdr"),
            NewDocument(DocumentType::Labelling, DocumentSubtype::Plain, QStringLiteral("Leer"),
                        QString(), DrawPaper(40, 30))};
}

NamedDocument GapTableSeed() {
    Document d = NewDocument(DocumentType::GapText, DocumentSubtype::GapTable,
                             QStringLiteral("Obst"), QString(), DrawPaper(60, 40));
    HeaderDataTyp& h = d.Header;
    h.Zeilen = 3;
    h.Spalten = 2;
    h.Linie = 1;
    const char* names[] = {"Apfel", "Birne", "Vogel"};
    const char* articles[] = {"der", "die", "der"};
    for (int row = 0; row < h.Zeilen; ++row) {
        CellDataTyp& picture = h.Cell(row, 0);
        picture.Art = row + 1;
        picture.Bild = MakePicture(DrawSymbol(row, 16));
        picture.BildKenn = QString::fromLatin1(names[row]);
        h.Cell(row, 1).Text =
            QStringLiteral("%1 <<%2>>")
                .arg(QString::fromLatin1(articles[row]), QString::fromLatin1(names[row]));
    }
    h.Cell(2, 0).Link = QStringLiteral("01_Pflanze.qdr");
    h.Cell(2, 0).PunktInUebung = 1;
    return {QStringLiteral("11_Tabelle.qdr"), d};
}

NamedDocument ClusterSeed() {
    Document d = NewDocument(DocumentType::Cluster, DocumentSubtype::Plain,
                             QStringLiteral("Tiere sortieren"), QString(), DrawPaper(60, 40));
    HeaderDataTyp& h = d.Header;
    h.Zeilen = 3;
    h.Spalten = 2;
    h.Cell(0, 0).Text = QStringLiteral("S\u00e4ugetiere");
    h.Cell(1, 0) = CellDataTyp{QStringLiteral("Hund"), {}, 1, {}, {}, 20, 0, 0};
    h.Cell(2, 0) = CellDataTyp{QStringLiteral("Katze"), {}, 1, {}, {}, 20, 0, 0};
    h.Cell(0, 1).Text = QStringLiteral("V\u00f6gel");
    h.Cell(1, 1) = CellDataTyp{QStringLiteral("Amsel"), {}, 1, {}, {}, 20, 0, 0};
    h.Cell(2, 1) = CellDataTyp{
        QString(), MakePicture(DrawSymbol(2, 16)), 3, QStringLiteral("Vogel"), {}, 25, 1, 0};
    h.Column(1).Farbe = MakeWinColor(255, 230, 150);
    h.Column(1).Deck = 70;
    return {QStringLiteral("12_Cluster.qdr"), d};
}

NamedDocument ChoiceSeed() {
    Document d = NewDocument(DocumentType::MultipleChoice, DocumentSubtype::Plain,
                             QStringLiteral("Tiere erkennen"), QString(), DrawPaper(60, 40));
    ObjDataTyp question;
    question.Typ = ObjectKind::ChoiceQuestion;
    question.Untertyp = 1;
    question.FrageNummer = 1;
    question.Cap = ChoiceCaption(
        QStringLiteral("Welches Tier kann fliegen?"),
        {QStringLiteral("-Birne"), QStringLiteral("+Vogel"), QStringLiteral("-Fisch")});
    question.AntwortAnz = 3;
    for (int i = 0; i < question.AntwortAnz; ++i)
        question.AnswerPicture(i) = MakePicture(DrawSymbol(i + 1, 16));
    d.Objects.push_back(question);
    ObjDataTyp withPicture;
    withPicture.Typ = ObjectKind::ChoiceQuestionPicture;
    withPicture.FrageNummer = 2;
    withPicture.Cap =
        ChoiceCaption(QStringLiteral("Was zeigt das Bild?"),
                      {QStringLiteral("+Einen Apfel"), QStringLiteral("-Eine Birne")});
    withPicture.AntwortAnz = 2;
    withPicture.Picture = MakePicture(DrawSymbol(0, 16));
    d.Objects.push_back(withPicture);
    d.Header.AnzFrageNummern = 2;
    return {QStringLiteral("13_MultipleChoice.qdr"), d};
}

} // namespace

std::vector<NamedDocument> SampleDocuments() {
    std::vector<NamedDocument> documents;
    documents.push_back(PlantDocument());
    documents.push_back(GapTextDocument());
    documents.push_back(CTestDocument());
    documents.push_back(SchoolWayDocument());
    documents.push_back(SignTableDocument());
    documents.push_back(SingleQuestionsDocument());
    documents.push_back(SignQuizDocument());
    documents.push_back(PictureChoiceDocument());
    documents.push_back(SortingDocument());
    documents.push_back(PairsDocument());
    return documents;
}

std::vector<NamedDocument> CorpusDocuments() {
    std::vector<NamedDocument> documents = SampleDocuments();
    for (NamedDocument& named : documents)
        Shrink(named.Doc);
    documents.push_back(EmptySeed());
    documents.push_back(GapTableSeed());
    documents.push_back(ClusterSeed());
    documents.push_back(ChoiceSeed());
    return documents;
}

} // namespace quindor::samples
