#include "core/messages.h"
#include "view/document_properties.h"
#include "view/info_password.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

TEST(InfoPointPassword, OnlyTheExactTextOpensThePoint) {
    RecordingMessages messages;
    ObjDataTyp point;
    point.Typ = ObjectKind::InfoPoint;
    int asked = 0;
    std::optional<QString> typed;
    const PasswordPrompt prompt = [&] {
        ++asked;
        return typed;
    };
    EXPECT_TRUE(CheckInfoPointPassword(point, messages, prompt));
    EXPECT_EQ(asked, 0);

    point.BildKenn = QStringLiteral("Blume");
    for (const QString& wrong : {QStringLiteral("blume"), QStringLiteral("Blume ")}) {
        typed = wrong;
        EXPECT_FALSE(CheckInfoPointPassword(point, messages, prompt));
        EXPECT_EQ(messages.texts().last(), QStringLiteral("Das Passwort ist falsch."));
    }
    messages.clear();
    typed = std::nullopt;
    EXPECT_FALSE(CheckInfoPointPassword(point, messages, prompt));
    EXPECT_TRUE(messages.entries().isEmpty());
    typed = QStringLiteral("Blume");
    EXPECT_TRUE(CheckInfoPointPassword(point, messages, prompt));
    EXPECT_TRUE(CheckInfoPointPassword(point, messages, prompt));
    EXPECT_EQ(asked, 5);
}

TEST(DocumentProperties, SizeWithTheLocalesSeparators) {
    QTemporaryDir dir;
    Document document;
    document.Header.FileName = dir.path() + QStringLiteral("/gross.qdr");
    QFile file(document.Header.FileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1234567, 'x'));
    file.close();
    document.Header.BilderPasswort = QStringLiteral("x");
    const DocumentPropertiesTexts texts = DocumentProperties(document, QLocale(QLocale::German));
    EXPECT_EQ(texts.Groesse, QStringLiteral("1.234.567 Bytes"));
    EXPECT_EQ(texts.Datei, QStringLiteral("gross.qdr"));
    EXPECT_TRUE(texts.Ordner.endsWith(QLatin1Char('/')));
    EXPECT_NE(texts.GeaendertAm, UnknownValueText());
    EXPECT_EQ(texts.Passwort, QStringLiteral("Passwort gesetzt"));
}

TEST(DocumentProperties, WithoutDocumentOrFileNothingIsKnown) {
    Document document;
    DocumentPropertiesTexts texts = DocumentProperties(document);
    EXPECT_TRUE(texts.Datei.isEmpty());
    EXPECT_TRUE(texts.Ordner.isEmpty());
    EXPECT_EQ(texts.Groesse, QStringLiteral("(konnte nicht ermittelt werden)"));
    EXPECT_EQ(texts.GeaendertAm, QStringLiteral("(konnte nicht ermittelt werden)"));
    EXPECT_EQ(texts.Dokumententyp, QStringLiteral("Freie Text-Bild-/Bild-Text-Zuordnung"));
    EXPECT_EQ(texts.Passwort, QStringLiteral("Passwort nicht gesetzt"));
    EXPECT_EQ(texts.LogoGroesse, QStringLiteral("20"));
    EXPECT_EQ(AlignmentName(texts.LogoAusricht), QStringLiteral("rechtsb\u00fcndig"));

    document.Header.FileName = QStringLiteral("/nicht/vorhanden.qdr");
    texts = DocumentProperties(document);
    EXPECT_EQ(texts.Datei, QStringLiteral("vorhanden.qdr"));
    EXPECT_EQ(texts.Groesse, UnknownValueText());
    EXPECT_EQ(texts.GeaendertAm, UnknownValueText());
}

} // namespace
} // namespace quindor
