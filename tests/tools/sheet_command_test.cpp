#include "quindor_doc/sheet_command.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor::doc {
namespace {

int Sheet(const QStringList& arguments, QString* errors = nullptr) {
    QString text;
    QTextStream err(&text);
    const int result = RunSheet(arguments, err);
    err.flush();
    if (errors)
        *errors = text;
    return result;
}

const QColor kGrey(184, 184, 184);

TEST(SheetCommand, WritesTheSheetAsAPicture) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("lineatur.png"));
    ASSERT_EQ(Sheet({"lineatur1", out, "--size", "800x600", "--count", "3"}), 0);
    const QImage sheet(out);
    ASSERT_EQ(sheet.size(), QSize(800, 600));
    // The first group's top line, 52 rows down, from x = 40 to 758.
    EXPECT_EQ(sheet.pixelColor(100, 52), kGrey);
    EXPECT_EQ(sheet.pixelColor(100, 51), QColor(Qt::white));
    EXPECT_EQ(sheet.pixelColor(39, 52), QColor(Qt::white));
    ASSERT_EQ(Sheet({"tabelle", out, "--size", "800x600", "--rows", "2", "--columns", "2"}), 0);
    EXPECT_EQ(QImage(out).pixelColor(100, 300), kGrey);
    EXPECT_EQ(QImage(out).pixelColor(400, 100), kGrey);
    ASSERT_EQ(Sheet({"gruen", out}), 0);
    EXPECT_EQ(QImage(out).size(), QSize(1920, 1080));
    EXPECT_EQ(QImage(out).pixelColor(5, 5), QColor(0, 64, 0));
}

TEST(SheetCommand, APdfIsOneA4Page) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("linien.pdf"));
    ASSERT_EQ(Sheet({"linien", out, "--count", "20"}), 0);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.000000 842.000000]"));
    file.close();
    ASSERT_EQ(Sheet({"karos", out, "--size", "1600x900"}), 0);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("/MediaBox [0 0 842.000000 595.000000]"));
}

TEST(SheetCommand, WrongArgumentsAreRefused) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("x.png"));
    QString errors;
    EXPECT_EQ(Sheet({"Linien", out}, &errors), 2);
    EXPECT_TRUE(errors.contains(QStringLiteral("lineatur4")));
    EXPECT_EQ(Sheet({"linien", out, "--size", "800"}), 2);
    EXPECT_EQ(Sheet({"linien", out, "--count"}), 2);
    EXPECT_EQ(Sheet({"linien", out, "--farbe", "rot"}), 2);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(Sheet({"linien", dir.filePath(QStringLiteral("fehlt/x.png"))}, &errors), 1);
    EXPECT_TRUE(errors.startsWith(QStringLiteral("Datei konnte nicht erstellt werden:\n")));
}

} // namespace
} // namespace quindor::doc
