#include "whiteboard/picture_files.h"
#include "whiteboard/stamps.h"

#include "settings/settings.h"
#include "support/test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

TEST(Stamps, DefaultsAreTicksCrossesStarFacesAndLetters) {
    const StampTable stamps = StampTable::defaults();
    const char32_t shapes[] = {0x2714, 0x2718, 0x2605, 0x263A, 0x1F610, 0x2639};
    for (int number = 1; number <= 6; ++number) {
        const SymbolStamp& stamp = stamps.stamp(number);
        EXPECT_EQ(stamp.fontName, QStringLiteral("Wingdings"));
        EXPECT_EQ(GlyphFor(stamp.character, stamp.fontName).text,
                  QString::fromUcs4(&shapes[number - 1], 1))
            << "stamp " << number;
    }
    EXPECT_EQ(stamps.stamp(1).character, QChar(0xFC));
    EXPECT_EQ(stamps.stamp(3).character, QChar(0xAB));
    const QString letters = QStringLiteral("+-rf");
    for (int number = 7; number <= 10; ++number) {
        const SymbolStamp& stamp = stamps.stamp(number);
        EXPECT_EQ(stamp.fontName, QStringLiteral("Arial"));
        EXPECT_EQ(GlyphFor(stamp.character, stamp.fontName).text, QString(letters.at(number - 7)));
    }
}

TEST(Stamps, KeptInTheSettingsAsOneTextAndTenFonts) {
    StampTable stamps = StampTable::defaults();
    stamps.setStamp(10, {QChar(u'\u00e4'), QStringLiteral("DejaVu Serif")});
    Settings settings;
    stamps.toSettings(settings);
    EXPECT_EQ(settings.SymbolstempelZeichen, QStringLiteral("\u00fc\u00fb\u00abJKL+-r\u00e4"));
    EXPECT_EQ(settings.SymbolstempelFontname[9], QStringLiteral("DejaVu Serif"));
    const StampTable read = StampTable::fromSettings(settings);
    EXPECT_EQ(read.stamp(10).character, QChar(u'\u00e4'));
    // A text cut short by hand keeps the default characters after it.
    settings.SymbolstempelZeichen = QStringLiteral("X");
    EXPECT_EQ(StampTable::fromSettings(settings).stamp(1).character, QChar(u'X'));
    EXPECT_EQ(StampTable::fromSettings(settings).stamp(2).character, QChar(0xFB));
}

TEST(Stamps, IconIsASmallBlackSymbolOnWhite) {
    const QImage icon = StampIcon(StampTable::defaults().stamp(1));
    EXPECT_EQ(icon.size(), QSize(18, 18));
    int dark = 0;
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 18; ++x)
            dark += qGray(icon.pixel(x, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(dark, 10);
    EXPECT_EQ(icon.pixelColor(0, 17), QColor(Qt::white));
}

TEST(Stamps, PlacedWithTheirMiddleBesideThePoint) {
    QImage picture(400, 300, QImage::Format_ARGB32_Premultiplied);
    const StampPlacement placement =
        PlaceStamp({QChar(u'+'), QStringLiteral("Arial")}, 32, QPoint(100, 100), &picture);
    EXPECT_NEAR(placement.reach.center().x(), 105, 1);
    EXPECT_NEAR(placement.reach.center().y(), 101, 1);
}

TEST(PictureFiles, TheExtensionChoosesTheFormat) {
    EXPECT_EQ(PictureFormatOf(QStringLiteral("tafel.PNG")), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOf(QStringLiteral("tafel.Jpg")), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatOf(QStringLiteral("tafel.jpeg")), PictureFormat::Bitmap);
    EXPECT_EQ(PictureFormatOf(QStringLiteral("tafel")), PictureFormat::Bitmap);
    EXPECT_TRUE(HasPictureExtension(QStringLiteral("a.BMP")));
    EXPECT_FALSE(HasPictureExtension(QStringLiteral("a.gif")));
    EXPECT_FALSE(HasPictureExtension(QStringLiteral("a.png.txt")));
}

TEST(PictureFiles, WrittenAndReadInEachFormat) {
    QTemporaryDir dir;
    RecordingMessages messages;
    // Left half transparent, right half opaque.
    QImage picture(40, 30, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 30; ++y) {
        for (int x = 20; x < 40; ++x)
            picture.setPixelColor(x, y, QColor(x * 6, y * 8, 90));
    }
    const QString png = dir.filePath(QStringLiteral("a.png"));
    ASSERT_TRUE(WritePictureFile(picture, png, messages));
    EXPECT_TRUE(test::SameImage(picture, ReadPictureFile(png)));
    const QString bmp = dir.filePath(QStringLiteral("a.bmp"));
    ASSERT_TRUE(WritePictureFile(picture, bmp, messages));
    QFile file(bmp);
    file.open(QIODevice::ReadOnly);
    EXPECT_EQ(file.read(2), QByteArray("BM"));
    ASSERT_TRUE(WritePictureFile(picture, dir.filePath(QStringLiteral("a.jpg")), messages));
    EXPECT_EQ(ReadPictureFile(dir.filePath(QStringLiteral("a.jpg"))).size(), QSize(40, 30));
    EXPECT_TRUE(messages.texts().isEmpty());
    // A file named .png that is no PNG does not read.
    test::WriteFileBytes(dir.filePath(QStringLiteral("b.png")), "not a picture");
    EXPECT_TRUE(ReadPictureFile(dir.filePath(QStringLiteral("b.png"))).isNull());
}

TEST(PictureFiles, AFailedWriteIsReported) {
    QTemporaryDir dir;
    RecordingMessages messages;
    const QString path = dir.filePath(QStringLiteral("fehlt/a.png"));
    EXPECT_FALSE(WritePictureFile(test::PatternImage(4, 4), path, messages));
    EXPECT_EQ(messages.texts(),
              QStringList(QStringLiteral("Datei konnte nicht erstellt werden:\r\n") + path));
}

} // namespace
} // namespace quindor
