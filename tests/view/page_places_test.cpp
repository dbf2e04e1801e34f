#include "document/object_state.h"
#include "support/test_support.h"
#include "view/page_places.h"
#include "view/view_composer.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

// A page of 870 x 600 with a covered label, an info point released for runs, a document link
// that is not, and a fixed label.
class PagePlacesTest : public ::testing::Test {
protected:
    void SetUp() override {
        document.BaseImage.Image = test::PatternImage(870, 600);
        label = add(ObjectKind::QueryLabel, QStringLiteral("<B>Blüte</B>"), 0.5, 0.2, 1);
        info = add(ObjectKind::InfoPoint, QStringLiteral("Erklärung"), 0.2, 0.7, 2);
        document.Object(info).PktCap = QStringLiteral("Info");
        document.Object(info).PunktInUebung = 1;
        link = add(ObjectKind::DocumentLink, QStringLiteral("ziel.qdr"), 0.8, 0.7, 2);
        document.Object(link).PktCap = QStringLiteral("Dok.");
        add(ObjectKind::FixedLabel, QStringLiteral("Sonne"), 0.1, 0.1, 1);
        document.Object(label).Nummer = 3;
        document.Object(label).State = ObjectState::Covered;
        view.ComposeView(QSize(870, 600));
    }
    int add(ObjectKind kind, const QString& caption, double x, double y, int layer) {
        return AddObject(document, {.Typ = kind,
                                    .Ebene = layer,
                                    .Cap = caption,
                                    .FrageNummer = -1,
                                    .Kx = x,
                                    .Ky = y,
                                    .KAusr = 1,
                                    .Fsize = 0});
    }

    Document document;
    ProgramState state;
    ViewComposer view{document, state};
    int label = -1, info = -1, link = -1;
};

TEST_F(PagePlacesTest, WhatAClickTurnsOrOpensWithNamesToSay) {
    std::vector<PagePlace> places = PagePlaces(view, document, 0, false);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].object, label);
    EXPECT_EQ(places[0].name, QStringLiteral("Abfragefeld 3, abgedeckt"));
    EXPECT_EQ(places[1].object, info);
    EXPECT_EQ(places[1].name, QStringLiteral("Infopunkt Info"));
    EXPECT_EQ(places[2].object, link);
    EXPECT_EQ(places[2].name, QStringLiteral("Dokument-Link Dok.: ziel.qdr"));
    // Each place is where the view hit-tests the object.
    for (const PagePlace& place : places) {
        const QPoint centre = view.geometry().PageToDisplay(
            (place.area.Left + place.area.Right) / 2, (place.area.Top + place.area.Bottom) / 2);
        EXPECT_EQ(view.HitTest(centre.x(), centre.y()), place.object);
    }

    document.Object(label).State = ObjectState::Shown;
    EXPECT_EQ(PagePlaces(view, document, 0, false)[0].name, QStringLiteral("Abfragefeld 3: Blüte"));

    // During a run only the released point; a hidden layer has nothing.
    places = PagePlaces(view, document, 0, true);
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].object, info);
    view.layers()[2] = false;
    EXPECT_TRUE(PagePlaces(view, document, 0, true).empty());
}

TEST(PagePlaces, SpokenTextDropsMarkupAndBreaks) {
    EXPECT_EQ(SpokenText(QStringLiteral("<B>Die</B> <I>Blüte</I>\r\nist <FARBE=255>rot</FARBE>")),
              QStringLiteral("Die Blüte ist rot"));
    EXPECT_EQ(SpokenText(QStringLiteral("3 < 4")), QStringLiteral("3 < 4"));
}

} // namespace
} // namespace quindor
