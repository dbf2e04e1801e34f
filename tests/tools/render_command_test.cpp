#include "quindor_doc/render_command.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor::doc {
namespace {

QString Sample(const char* name) {
    return QStringLiteral(QUINDOR_SAMPLES_DIR "/") + QLatin1String(name);
}

int Render(const QStringList& arguments, QString* errors = nullptr) {
    QString text;
    QTextStream err(&text);
    const int result = RunRender(arguments, err);
    err.flush();
    if (errors)
        *errors = text;
    return result;
}

TEST(RenderCommand, WritesThePageFittedIntoTheArea) {
    QTemporaryDir dir;
    const QString out = dir.path() + QStringLiteral("/seite.png");
    ASSERT_EQ(Render({Sample("01_Pflanze.qdr"), out, QStringLiteral("--width"),
                      QStringLiteral("500"), QStringLiteral("--height"), QStringLiteral("500")}),
              0);
    const QImage covered(out);
    ASSERT_FALSE(covered.isNull());
    EXPECT_EQ(covered.width(), 500);
    EXPECT_LE(covered.height(), 500);
    ASSERT_EQ(
        Render({Sample("01_Pflanze.qdr"), out, QStringLiteral("--width"), QStringLiteral("500"),
                QStringLiteral("--height"), QStringLiteral("500"), QStringLiteral("--uncovered")}),
        0);
    EXPECT_NE(QImage(out), covered);
}

TEST(RenderCommand, ShowsTheQuestionAskedFor) {
    QTemporaryDir dir;
    const QString first = dir.path() + QStringLiteral("/eins.png");
    const QString second = dir.path() + QStringLiteral("/zwei.png");
    const QString beyond = dir.path() + QStringLiteral("/neun.png");
    ASSERT_EQ(Render({Sample("07_Verkehrszeichen-Quiz.qdr"), first}), 0);
    ASSERT_EQ(Render({Sample("07_Verkehrszeichen-Quiz.qdr"), second, QStringLiteral("--question"),
                      QStringLiteral("2")}),
              0);
    // A question the document does not have shows the first.
    ASSERT_EQ(Render({Sample("07_Verkehrszeichen-Quiz.qdr"), beyond, QStringLiteral("--question"),
                      QStringLiteral("9")}),
              0);
    EXPECT_NE(QImage(second), QImage(first));
    EXPECT_EQ(QImage(beyond), QImage(first));
    EXPECT_EQ(Render({Sample("07_Verkehrszeichen-Quiz.qdr"), first, QStringLiteral("--question"),
                      QStringLiteral("0")}),
              2);
}

TEST(RenderCommand, RefusesBadArgumentsAndMissingFiles) {
    EXPECT_EQ(Render({Sample("01_Pflanze.qdr")}), 2);
    EXPECT_EQ(Render({Sample("01_Pflanze.qdr"), QStringLiteral("x.png"),
                      QStringLiteral("--numbering"), QStringLiteral("3")}),
              2);
    EXPECT_EQ(
        Render({Sample("01_Pflanze.qdr"), QStringLiteral("x.png"), QStringLiteral("--width")}), 2);
    QString errors;
    EXPECT_EQ(Render({QStringLiteral("/nicht/da.qdr"), QStringLiteral("x.png")}, &errors), 1);
    EXPECT_TRUE(errors.startsWith(QStringLiteral("Die Datei \"/nicht/da.qdr\" existiert nicht.")));
}

} // namespace
} // namespace quindor::doc
