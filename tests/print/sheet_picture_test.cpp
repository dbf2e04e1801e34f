// A recorded page replayed onto other painters: scale, clipping that ends with a restore, and
// pictures reduced for files.
#include "print/sheet_picture.h"
#include "sheet_recorder.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace quindor {
namespace {

TEST(SheetPicture, ReplaysScaledAndLetsAClipEndWithItsRestore) {
    SheetPictureDevice device(QSize(100, 100));
    {
        QPainter painter(&device);
        painter.save();
        painter.setClipRect(0, 0, 50, 100);
        painter.fillRect(0, 0, 100, 100, Qt::red);
        painter.restore();
        painter.fillRect(60, 0, 40, 100, Qt::blue);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawLine(0, 90, 100, 90);
    }
    const SheetPicture picture = device.picture();
    EXPECT_EQ(picture.size(), QSize(100, 100));
    QImage out(200, 200, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.scale(2, 2);
    picture.replay(painter);
    // The replay leaves the painter as it found it.
    EXPECT_EQ(painter.transform(), QTransform::fromScale(2, 2));
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    EXPECT_EQ(out.pixelColor(40, 50), QColor(Qt::red));
    EXPECT_EQ(out.pixelColor(110, 50), QColor(Qt::white));
    EXPECT_EQ(out.pixelColor(150, 50), QColor(Qt::blue));
    EXPECT_EQ(out.pixelColor(20, 180), QColor(Qt::black));
}

TEST(SheetPicture, FilesGetPicturesReducedByHalvesToTheirResolution) {
    QImage photo(400, 400, QImage::Format_ARGB32);
    photo.fill(QColor(10, 20, 30));
    QImage quad(2, 2, QImage::Format_RGB32);
    quad.setPixelColor(0, 0, QColor(0, 0, 255));
    quad.setPixelColor(1, 0, QColor(255, 255, 255));
    quad.setPixelColor(0, 1, QColor(100, 0, 0));
    quad.setPixelColor(1, 1, QColor(0, 100, 0));
    SheetPictureDevice device(QSize(200, 200));
    {
        QPainter painter(&device);
        // One inch on the 96-dpi recorder.
        painter.drawImage(QRect(0, 0, 96, 96), photo);
        painter.drawImage(QRect(100, 0, 1, 1), quad);
    }
    const SheetPicture picture = device.picture();
    test::SheetRecorder kept(QSize(200, 200));
    {
        QPainter painter(&kept);
        picture.replay(painter);
    }
    ASSERT_EQ(kept.pictures.size(), 2u);
    EXPECT_EQ(kept.pictures[0].size(), QSize(400, 400));

    test::SheetRecorder reduced(QSize(200, 200));
    {
        QPainter painter(&reduced);
        picture.replay(painter, 40);
    }
    ASSERT_EQ(reduced.pictures.size(), 2u);
    // 400 -> 200 -> 100 -> 50: as fine as asked for, and less than twice that.
    EXPECT_EQ(reduced.pictures[0].size(), QSize(50, 50));
    EXPECT_EQ(reduced.pictures[0].pixelColor(25, 25), QColor(10, 20, 30));
    EXPECT_EQ(reduced.images[0], QRectF(0, 0, 96, 96));
    // The mean of four, rounded: red (0 + 255 + 100 + 0 + 2) / 4, blue (255 + 255 + 2) / 4.
    ASSERT_EQ(reduced.pictures[1].size(), QSize(1, 1));
    EXPECT_EQ(reduced.pictures[1].pixelColor(0, 0), QColor(89, 89, 128));
    EXPECT_FALSE(reduced.pictures[1].hasAlphaChannel());
}

} // namespace
} // namespace quindor
