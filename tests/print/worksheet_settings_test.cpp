// The worksheet's settings: the string a document stores them in, the dialog's limits, the
// print placement and the variant seed.
#include "print/worksheet_output.h"
#include "print/worksheet_settings.h"
#include "support/test_support.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace quindor {
namespace {

TEST(WorksheetSettingsString, DefaultsAndEveryFieldInOrder) {
    EXPECT_EQ(SerializeWorksheetSettings(WorksheetSettings()),
              QStringLiteral("110 %|1|0|1|1|0.0|0.0|100.0|0|0|"));
    WorksheetSettings s;
    s.KaestchengroesseCombo = 0;
    s.RaenderCheck = false;
    s.MaxFontSize = -3;
    s.BasisbildCheck = false;
    s.ObjekteCheck = false;
    s.BasisbildX = -1.26;
    s.BasisbildY = 12.34;
    s.BasisbildGroesse = 250.0;
    s.VollbreiteCheck = true;
    s.OrientRadio = 1;
    // A German locale must not turn the decimal point into a comma.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString stored = SerializeWorksheetSettings(s);
    QLocale::setDefault(before);
    EXPECT_EQ(stored, QStringLiteral("50 %|0|-3|0|0|-1.3|12.3|250.0|1|1|"));

    WorksheetSettings read;
    ApplyWorksheetSettings(stored, read);
    EXPECT_EQ(read.KaestchengroesseCombo, 0);
    EXPECT_FALSE(read.RaenderCheck);
    EXPECT_EQ(read.MaxFontSize, -3);
    EXPECT_FALSE(read.BasisbildCheck);
    EXPECT_FALSE(read.ObjekteCheck);
    EXPECT_DOUBLE_EQ(read.BasisbildX, -1.3);
    EXPECT_DOUBLE_EQ(read.BasisbildY, 12.3);
    EXPECT_DOUBLE_EQ(read.BasisbildGroesse, 250.0);
    EXPECT_TRUE(read.VollbreiteCheck);
    EXPECT_TRUE(read.landscape());
    EXPECT_EQ(SerializeWorksheetSettings(read), stored);
}

TEST(WorksheetSettingsString, ReadingForgivesBlanksAndBadNumbers) {
    WorksheetSettings s;
    ApplyWorksheetSettings(QStringLiteral("200 %|1|- 2|1|0|1 .5|x|1 50.0|0|0|"), s);
    EXPECT_EQ(s.KaestchengroesseCombo, 15);
    EXPECT_EQ(s.MaxFontSize, -2);
    EXPECT_DOUBLE_EQ(s.BasisbildX, 1.5);
    EXPECT_DOUBLE_EQ(s.BasisbildY, 0.0);
    EXPECT_DOUBLE_EQ(s.BasisbildGroesse, 150.0);
    EXPECT_FALSE(s.ObjekteCheck);

    // A size the list does not offer selects none; the sheet then narrows its blanks.
    ApplyWorksheetSettings(QStringLiteral("115 %|1|0|1|1|0.0|0.0|100.0|0|0|"), s);
    EXPECT_EQ(s.KaestchengroesseCombo, -1);
    EXPECT_EQ(SerializeWorksheetSettings(s).section(QLatin1Char('|'), 0, 0), QString());
}

TEST(WorksheetSettingsString, AnEmptyOrShortStringKeepsTheRest) {
    WorksheetSettings s;
    s.BasisbildGroesse = 80.0;
    s.OrientRadio = 1;
    ApplyWorksheetSettings(QString(), s);
    EXPECT_DOUBLE_EQ(s.BasisbildGroesse, 80.0);
    EXPECT_TRUE(s.landscape());
    ApplyWorksheetSettings(QStringLiteral("60 %|0|"), s);
    EXPECT_EQ(s.KaestchengroesseCombo, 1);
    EXPECT_FALSE(s.RaenderCheck);
    EXPECT_DOUBLE_EQ(s.BasisbildGroesse, 80.0);
    EXPECT_TRUE(s.landscape());
}

TEST(WorksheetSettingsString, ValuesBeyondTheDialogsLimitsAreClamped) {
    WorksheetSettings s;
    ApplyWorksheetSettings(QStringLiteral("110 %|1|25|1|1|-30.0|-25.0|450.0|0|3|"), s);
    EXPECT_EQ(s.MaxFontSize, 10);
    EXPECT_DOUBLE_EQ(s.BasisbildX, -20.0);
    EXPECT_DOUBLE_EQ(s.BasisbildY, -20.0);
    EXPECT_DOUBLE_EQ(s.BasisbildGroesse, 300.0);
    EXPECT_FALSE(s.landscape());
    // The picture may shrink without bound and move down without bound.
    ApplyWorksheetSettings(QStringLiteral("110 %|1|0|1|1|30.0|80.0|-5.0|0|0|"), s);
    EXPECT_DOUBLE_EQ(s.BasisbildX, 20.0);
    EXPECT_DOUBLE_EQ(s.BasisbildY, 80.0);
    EXPECT_DOUBLE_EQ(s.BasisbildGroesse, -5.0);
}

TEST(WorksheetSettingsString, DocumentsCarryTheSettingsOfTheirLastWrite) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("blatt.qdr"));
    WorksheetSettings current;
    current.BasisbildGroesse = 75.0;
    current.OrientRadio = 1;
    {
        test::SessionFixture f;
        RegisterWorksheetHooks(f.session.hooks(), current);
        f.session.header().Titel = QStringLiteral("Blatt");
        ASSERT_TRUE(f.session.WriteDocument(file, false));
        EXPECT_EQ(f.session.header().Arbeitsblatt,
                  QStringLiteral("110 %|1|0|1|1|0.0|0.0|75.0|0|1|"));
    }
    test::SessionFixture g;
    WorksheetSettings loaded;
    RegisterWorksheetHooks(g.session.hooks(), loaded);
    ASSERT_TRUE(g.session.LoadDocument(file, false));
    EXPECT_DOUBLE_EQ(loaded.BasisbildGroesse, 75.0);
    EXPECT_TRUE(loaded.landscape());
}

TEST(WorksheetPrintPlacement, LandscapeShowsTheValuesTurned) {
    const WorksheetPrintPlacement stored;
    const WorksheetPrintPlacement upright = ShownPlacement(stored, false);
    EXPECT_DOUBLE_EQ(upright.LiRand, 2.2);
    EXPECT_DOUBLE_EQ(upright.Hoehe, 26.8);
    const WorksheetPrintPlacement across = ShownPlacement(stored, true);
    EXPECT_DOUBLE_EQ(across.LiRand, 1.4);
    EXPECT_DOUBLE_EQ(across.ObRand, 2.2);
    EXPECT_DOUBLE_EQ(across.Breite, 26.8);
    // The height follows the width in the sheet's proportion 1625 : 1000.
    EXPECT_NEAR(across.Hoehe, 26.8 * 1000 / 1625, 1e-9);
    const WorksheetPrintPlacement back = StoredPlacement(across, true);
    EXPECT_DOUBLE_EQ(back.LiRand, 2.2);
    EXPECT_DOUBLE_EQ(back.ObRand, 1.4);
    EXPECT_DOUBLE_EQ(back.Breite, across.Hoehe);
    EXPECT_DOUBLE_EQ(back.Hoehe, 26.8);
    EXPECT_NEAR(ProportionalHeight(16.5, false), 26.8125, 1e-9);
}

TEST(WorksheetPrintPlacement, MarginsLoseTheUnprintableOffsetButNotBelowZero) {
    WorksheetPrintPlacement p;
    const PrintRectangle r = WorksheetPrintRect(p, 50, 200);
    EXPECT_EQ(r.left, 170);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.width, 1650);
    EXPECT_EQ(r.height, 2680);
}

TEST(WorksheetVariantSeed, EachOpeningDrawsItsOwnFromOneToTenThousand) {
    RandomGenerator random(12345);
    std::set<uint32_t> seeds;
    for (int i = 0; i < 200; ++i) {
        const uint32_t seed = DrawVariantSeed(random);
        EXPECT_GE(seed, 1u);
        EXPECT_LE(seed, 10000u);
        seeds.insert(seed);
    }
    EXPECT_GT(seeds.size(), 190u);
}

TEST(WorksheetPreview, KeepsThePageProportionInsideTheRoom) {
    // Wide enough room: as wide as it is, the height in proportion.
    EXPECT_EQ(WorksheetPreviewSize(QSize(840, 2000), false), QSize(840, 1340));
    // Too low: as high as the room, the width in proportion.
    EXPECT_EQ(WorksheetPreviewSize(QSize(840, 700), false), QSize(446, 700));
    EXPECT_EQ(WorksheetPreviewSize(QSize(1340, 2000), true), QSize(1340, 840));
}

} // namespace
} // namespace quindor
