// The baseline of the cold-open benchmark: a bare Qt program that reads a PNG file and decodes
// it with QImage::fromData, started the way quindor-doc starts (a GUI application on the
// offscreen platform), so that the two processes differ only in how they get to the pixels.
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QImage image = QImage::fromData(file.readAll(), "PNG");
    if (image.isNull())
        return 1;
    std::printf("%d x %d\n", image.width(), image.height());
    return 0;
}
