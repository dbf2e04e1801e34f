#include "quindor_doc/document_json.h"

#include "document/document_writer.h"
#include "support/test_support.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace quindor {
namespace {

Picture Pic(int width, int height) {
    Picture picture;
    picture.Image = test::PatternImage(width, height);
    return picture;
}

// Writes and reads the document back, so the dump sees what a file holds.
QJsonObject DumpThroughFile(Document& document, QString* text = nullptr) {
    const QByteArray bytes = WriteDocumentBytes(document);
    Document read;
    ReadDetails details;
    EXPECT_EQ(ReadDocumentBytes(bytes, read, ReadOptions(), &details), ReadStatus::Ok);
    const QByteArray json =
        QJsonDocument(doc::DocumentToJson(read, details)).toJson(QJsonDocument::Indented);
    if (text)
        *text = QString::fromUtf8(json);
    return QJsonDocument::fromJson(json).object();
}

TEST(DocumentJson, ClusterDocumentShowsHeaderGridColumnsAndObjects) {
    Document d;
    HeaderDataTyp& h = d.Header;
    h.DokTyp = DocumentType::Cluster;
    h.Titel = QStringLiteral("Tiere");
    h.Bemerkung = QStringLiteral("erste Zeile\r\nzweite Zeile");
    h.RandErw = {0.125, 0.0, 0.25, 0.5};
    h.BilderPasswort = QStringLiteral("geheim");
    h.ABLogo = Pic(3, 2);
    h.Zeilen = 2;
    h.Spalten = 3;
    h.Cell(0, 0).Text = QStringLiteral("V\u00f6gel");
    h.Cell(1, 2).Art = 3;
    h.Cell(1, 2).Bild = Pic(4, 6);
    h.Column(1).Farbe = 0xFF0000;
    h.Column(1).Deck = 80;
    ObjDataTyp o;
    o.Typ = ObjectKind::FixedPicture;
    o.Cap = QStringLiteral("Amsel, schwarz\r\n\"Drossel\"");
    o.Farbe = 0xFF0000;
    o.ZIndex = -2;
    o.Picture = Pic(7, 5);
    d.Objects.push_back(o);
    d.FontName = QStringLiteral("Liberation Serif");
    d.BaseImage = Pic(20, 10);

    QString text;
    const QJsonObject json = DumpThroughFile(d, &text);
    EXPECT_EQ(json["magic"].toString(), QStringLiteral("QDR-2.15"));
    const QJsonArray keys = json["keys"].toArray();
    EXPECT_EQ(keys.size(), 62);
    EXPECT_TRUE(keys.contains(QStringLiteral("HD-Einr\u00fcckRand")));
    EXPECT_EQ(json["font"].toString(), QStringLiteral("Liberation Serif"));

    const QJsonObject header = json["header"].toObject();
    EXPECT_EQ(header["Titel"].toString(), QStringLiteral("Tiere"));
    EXPECT_EQ(header["Bemerkung"].toString(), QStringLiteral("erste Zeile\r\nzweite Zeile"));
    EXPECT_EQ(header["RandErw"].toArray(), (QJsonArray{0.125, 0.0, 0.25, 0.5}));
    EXPECT_EQ(header["EinrueckRand"].toArray().size(), 4);
    EXPECT_EQ(header["BilderPasswort"].toString(), QStringLiteral("geheim"));
    EXPECT_EQ(header["ABLogo"].toObject(), (QJsonObject{{"width", 3}, {"height", 2}}));
    EXPECT_EQ(header["MinZIndex"].toInt(), -2);
    EXPECT_EQ(header["Spalten"].toInt(), 3);
    EXPECT_EQ(header["HtgdCol"].toInteger(), 0xFFFFFF);
    EXPECT_TRUE(header.contains("BildGroesseProzent"));

    const QJsonArray grid = json["grid"].toArray();
    ASSERT_EQ(grid.size(), 2);
    ASSERT_EQ(grid[1].toArray().size(), 3);
    EXPECT_EQ(grid[0].toArray()[0].toObject()["Text"].toString(), QStringLiteral("V\u00f6gel"));
    EXPECT_TRUE(grid[0].toArray()[0].toObject()["Bild"].isNull());
    EXPECT_EQ(grid[1].toArray()[2].toObject()["Bild"].toObject()["height"].toInt(), 6);
    const QJsonArray columns = json["columns"].toArray();
    ASSERT_EQ(columns.size(), 3);
    EXPECT_EQ(columns[1].toObject()["Farbe"].toInteger(), 16711680);
    EXPECT_EQ(columns[1].toObject()["Deck"].toInt(), 80);

    const QJsonArray objects = json["objects"].toArray();
    ASSERT_EQ(objects.size(), 1);
    const QJsonObject object = objects[0].toObject();
    EXPECT_EQ(object["Cap"].toString(), QStringLiteral("Amsel, schwarz\r\n\"Drossel\""));
    EXPECT_TRUE(text.contains(QStringLiteral("Amsel, schwarz\\r\\n\\\"Drossel\\\"")));
    EXPECT_EQ(object["Farbe"].toInteger(), 16711680);
    EXPECT_TRUE(text.contains(QStringLiteral("\"Farbe\": 16711680")));
    EXPECT_EQ(object["Picture"].toObject(), (QJsonObject{{"width", 7}, {"height", 5}}));
    const QJsonArray answers = object["AntwPics"].toArray();
    ASSERT_EQ(answers.size(), kAnswerPictures);
    EXPECT_TRUE(answers[0].isNull());
    for (const char* field :
         {"Sx",           "Sy",          "Kx",       "Ky",         "KAusr",
          "TAusr",        "Ebene",       "Typ",      "Sline",      "Fsize",
          "KAusrAkt",     "FrageNummer", "Stil",     "LinieFarbe", "LinieDicke",
          "Untertyp",     "AntwortAnz",  "ZIndex",   "HFarbe",     "HDeck",
          "PktCap",       "PktCap2",     "BildKenn", "BildDeck",   "BildkarteAnpassen",
          "PunktInUebung"})
        EXPECT_TRUE(object.contains(QLatin1String(field))) << field;
    EXPECT_EQ(json["baseImage"].toObject(), (QJsonObject{{"width", 20}, {"height", 10}}));
}

// The sizes and partners the pair layout sets show in the dump, though no file holds them.
TEST(DocumentJson, LayoutFieldsOfPairElements) {
    Document d;
    d.Header.DokTyp = DocumentType::CrossMatching;
    ObjDataTyp o;
    o.Typ = ObjectKind::PairText;
    o.FixedWidth = 0.25;
    o.FixedHeight = 0.125;
    o.Partner = 3;
    d.Objects.push_back(o);
    const QJsonObject object = doc::DocumentToJson(d, ReadDetails())["objects"][0].toObject();
    EXPECT_EQ(object["FixedWidth"].toDouble(), 0.25);
    EXPECT_EQ(object["FixedHeight"].toDouble(), 0.125);
    EXPECT_EQ(object["Partner"].toInt(), 3);
}

TEST(DocumentJson, FreeDocumentHasNoGridColumnsOrLogo) {
    Document d;
    d.BaseImage = Pic(4, 4);
    const QJsonObject json = DumpThroughFile(d);
    EXPECT_FALSE(json.contains("grid"));
    EXPECT_FALSE(json.contains("columns"));
    EXPECT_FALSE(json["header"].toObject().contains("Zeilen"));
    EXPECT_TRUE(json["header"].toObject()["ABLogo"].isNull());
    EXPECT_TRUE(json["objects"].toArray().isEmpty());
}

TEST(DocumentJson, DamagedGridCountsStayWithinTheGrid) {
    Document d;
    d.Header.DokTyp = DocumentType::Cluster;
    d.Header.Zeilen = 40;
    d.Header.Spalten = 99;
    const QJsonObject json = doc::DocumentToJson(d, ReadDetails());
    ASSERT_EQ(json["grid"].toArray().size(), kGridRows);
    EXPECT_EQ(json["grid"].toArray()[0].toArray().size(), kGridColumns);
    EXPECT_EQ(json["columns"].toArray().size(), kGridColumns);
}

} // namespace
} // namespace quindor
