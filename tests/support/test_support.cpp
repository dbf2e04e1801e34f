#include "support/test_support.h"

#include "core/random_generator.h"

#include <QFile>

namespace quindor::test {

QImage PatternImage(int width, int height, bool withAlpha) {
    QImage image(width, height, QImage::Format_RGBA8888);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int alpha = withAlpha ? (x * 255) / std::max(1, width - 1) : 255;
            image.setPixelColor(x, y, QColor((x * 7) % 256, (y * 13) % 256, (x + y) % 256, alpha));
        }
    }
    return image;
}

QImage NoiseImage(int width, int height, uint32_t seed) {
    QImage image(width, height, QImage::Format_RGBA8888);
    RandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y,
                                QColor(random.random(256), random.random(256), random.random(256),
                                       random.random(256)));
    }
    return image;
}

::testing::AssertionResult SameImage(const QImage& expected, const QImage& actual) {
    if (expected.isNull() != actual.isNull())
        return ::testing::AssertionFailure() << "one picture is none";
    if (expected.size() != actual.size())
        return ::testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << ", expected "
               << expected.width() << "x" << expected.height();
    const QImage a = expected.convertToFormat(QImage::Format_RGBA8888);
    const QImage b = actual.convertToFormat(QImage::Format_RGBA8888);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixelColor(x, y) != b.pixelColor(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is 0x" << std::hex
                       << b.pixelColor(x, y).rgba() << ", expected 0x" << a.pixelColor(x, y).rgba();
        }
    }
    return ::testing::AssertionSuccess();
}

QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return QByteArray();
    }
    return file.readAll();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}

} // namespace quindor::test
