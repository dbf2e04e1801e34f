#include "document/document_writer.h"
#include "links/document_mail.h"
#include "links/link_targets.h"
#include "links/program_links.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

const QString kMailSent = QStringLiteral(
    "Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt. Falls Ihr E-Mail-Programm "
    "Nachrichten nicht sofort versendet, sondern erst im Postausgang zwischenspeichert, müssen "
    "Sie den Versand in Ihrem E-Mail-Programm noch selbst auslösen.");

// The information block that closes every mail, after the lines of the attachments.
QString InformationBlock() {
    return QStringLiteral("\r\n- Information -\r\n"
                          "Quindor ist ein Autorensystem für digitale Lern- und Übungseinheiten. "
                          "\r\nZum Öffnen von Quindor-Themendokumenten wird das Basissystem "
                          "(liegt allen Themenpaketen kostenlos bei) oder das Autorensystem "
                          "benötigt. \r\nWeitere Informationen im Internet unter: \r\n") +
           ProductWebAddress() + QStringLiteral("\r\n");
}

class MailTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("setupbasissystem")));
        fixture.state.SetupFolder = dir.path() + QStringLiteral("/setupbasissystem/");
        document = dir.path() + QStringLiteral("/Pflanze.qdr");
        Document d;
        d.BaseImage.Image = test::PatternImage(8, 6);
        test::WriteFileBytes(document, WriteDocumentBytes(d));
    }

    void setup(const QString& name) {
        QFile file(fixture.state.SetupFolder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    bool send() {
        return SendDocumentByMail(fixture.session, fixture.state, fixture.messages, mail, [this] {
            ++asked;
            return answers.isEmpty() ? std::nullopt : answers.takeFirst();
        });
    }

    QTemporaryDir dir;
    QString document;
    test::SessionFixture fixture;
    test::RecordingMail mail;
    QList<std::optional<MailOption>> answers;
    int asked = 0;
};

TEST_F(MailTest, AnUnsavedDocumentIsNotSent) {
    EXPECT_FALSE(send());
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(mail.sent.isEmpty());
    EXPECT_EQ(fixture.messages.texts(),
              QStringList{QStringLiteral("Das aktuelle Dokument muss zunächst gespeichert werden, "
                                         "um es per E-Mail zu versenden.")});
}

TEST_F(MailTest, TheDocumentAloneWithItsNameAndTheInformation) {
    ASSERT_TRUE(fixture.session.LoadDocument(document, true));
    answers = {MailOption::DocumentOnly};
    EXPECT_TRUE(send());
    ASSERT_EQ(mail.sent.size(), 1);
    EXPECT_EQ(mail.sent[0].subject, QStringLiteral("Quindor-Dokument"));
    EXPECT_EQ(mail.sent[0].body,
              QStringLiteral("Quindor-Themendokument: Pflanze.qdr\r\n") + InformationBlock());
    EXPECT_EQ(mail.sent[0].attachments, QStringList{document});
    EXPECT_EQ(fixture.messages.texts(), QStringList{kMailSent});
    EXPECT_EQ(fixture.messages.entries().front().kind, MessageKind::Information);
}

TEST_F(MailTest, TheSetupProgramByItsNameOrAnyOtherSetup) {
    ASSERT_TRUE(fixture.session.LoadDocument(document, true));
    setup(QStringLiteral("setup-Quindor400basis.exe"));
    setup(QStringLiteral("setup-Quindor390basis.exe"));
    answers = {MailOption::WithSetupProgram};
    EXPECT_TRUE(send());
    ASSERT_EQ(mail.sent.size(), 1);
    EXPECT_EQ(mail.sent[0].attachments,
              QStringList({document, fixture.state.SetupFolder +
                                         QStringLiteral("setup-Quindor390basis.exe")}));
    EXPECT_EQ(mail.sent[0].body,
              QStringLiteral("Quindor-Themendokument: Pflanze.qdr\r\n"
                             "Setup-Programmdatei: setup-Quindor390basis.exe\r\n") +
                  InformationBlock());

    setup(QStringLiteral("setup-Quindor382basis.exe"));
    answers = {MailOption::WithSetupProgram};
    EXPECT_TRUE(send());
    ASSERT_EQ(mail.sent.size(), 2);
    EXPECT_EQ(mail.sent[1].attachments.last(),
              fixture.state.SetupFolder + QStringLiteral("setup-Quindor382basis.exe"));
    EXPECT_TRUE(mail.sent[1].body.startsWith(
        QStringLiteral("Quindor-Themendokument: Pflanze.qdr\r\n"
                       "Quindor-Basissystem: setup-Quindor382basis.exe\r\n\r\n")));
}

TEST_F(MailTest, AMissingSetupIsToldAndTheOptionsAskedAgain) {
    ASSERT_TRUE(fixture.session.LoadDocument(document, true));
    const QString folder = fixture.state.SetupFolder;
    answers = {MailOption::WithSetupProgram, MailOption::WithSetupZip, std::nullopt};
    EXPECT_FALSE(send());
    EXPECT_EQ(asked, 3);
    EXPECT_TRUE(mail.sent.isEmpty());
    EXPECT_EQ(fixture.messages.texts(),
              QStringList({QStringLiteral("Datei \"") + folder +
                               QStringLiteral("setup-Quindor382basis.exe\" (Setup für das "
                                              "Quindor-Basissystem) nicht gefunden."),
                           QStringLiteral("Datei \"") + folder +
                               QStringLiteral(
                                   "setup-Quindor382basis.zip\" (Setup für das "
                                   "Quindor-Basissystem als Zip-Datei) nicht gefunden.\r\n"
                                   "Hinweis: Mit einem Zip-Programm können Sie die fehlende "
                                   "Zip-Datei aus der Datei \"setup-Quindor382basis.exe\" selbst "
                                   "erzeugen und danach diese Funktion erneut ausführen.")}));

    // The zip goes only by its own name.
    fixture.messages.clear();
    setup(QStringLiteral("setup-Quindor382basis.zip"));
    answers = {MailOption::WithSetupZip};
    EXPECT_TRUE(send());
    ASSERT_EQ(mail.sent.size(), 1);
    EXPECT_EQ(mail.sent[0].attachments.last(),
              folder + QStringLiteral("setup-Quindor382basis.zip"));
    EXPECT_TRUE(mail.sent[0].body.contains(
        QStringLiteral("\r\nQuindor-Basissystem: setup-Quindor382basis.zip\r\n")));
}

TEST_F(MailTest, AMailProgramThatRefusesIsAWarning) {
    ASSERT_TRUE(fixture.session.LoadDocument(document, true));
    mail.result = false;
    answers = {MailOption::DocumentOnly};
    EXPECT_FALSE(send());
    ASSERT_EQ(fixture.messages.entries().size(), 1);
    EXPECT_EQ(fixture.messages.entries().front().kind, MessageKind::Warning);
    EXPECT_EQ(fixture.messages.texts().front(),
              QStringLiteral("Der E-Mail-Versand wurde abgebrochen oder es ist ein Fehler "
                             "aufgetreten."));
}

TEST_F(MailTest, TheSaveQuestionComesFirst) {
    ASSERT_TRUE(fixture.session.LoadDocument(document, true));
    fixture.session.header().Modified = true;
    fixture.messages.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(send());
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(mail.sent.isEmpty());
}

TEST(ProgramLinks, ButtonsStartTheirProgramOrAskForOne) {
    Settings settings;
    test::RecordingShell shell;
    RecordingMessages messages;
    settings.Verknuepfung[0] = QStringLiteral("/usr/bin/rechner");
    shell.result = true;
    EXPECT_EQ(PressProgramLink(settings, 0, false, shell, messages), LinkPress::Started);
    EXPECT_EQ(shell.launched, QStringList{QStringLiteral("/usr/bin/rechner")});
    // The right button asks even when a program is set; no program asks too.
    EXPECT_EQ(PressProgramLink(settings, 0, true, shell, messages), LinkPress::ShowDialog);
    EXPECT_EQ(PressProgramLink(settings, 1, false, shell, messages), LinkPress::ShowDialog);
    settings.VerknuepfungT = QStringLiteral("/usr/bin/onboard");
    EXPECT_EQ(PressProgramLink(settings, kKeyboardLink, false, shell, messages),
              LinkPress::Started);
    EXPECT_EQ(shell.launched.size(), 2);
    EXPECT_TRUE(messages.entries().isEmpty());

    shell.result = false;
    EXPECT_EQ(PressProgramLink(settings, 0, false, shell, messages), LinkPress::Failed);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral(
                                    "Die Datei \"/usr/bin/rechner\" kann nicht geöffnet werden.")});
    EXPECT_EQ(messages.entries().front().kind, MessageKind::Error);
}

TEST(ProgramLinks, OnlyExistingFilesAreTaken) {
    QTemporaryDir dir;
    const QString program = dir.path() + QStringLiteral("/werkzeug");
    test::WriteFileBytes(program, "#!/bin/sh\n");
    ProgramLinks links;
    links[0].target = QStringLiteral("  ") + program + QStringLiteral(" ");
    links[1].target = QStringLiteral("   ");
    EXPECT_EQ(FirstInvalidProgramLink(links), -1);
    links[2].target = dir.path();
    EXPECT_EQ(FirstInvalidProgramLink(links), 2) << "a folder is no program";
    links[2].target.clear();
    links[kKeyboardLink].target = QStringLiteral("C:\\Windows\\system32\\osk.exe");
    EXPECT_EQ(FirstInvalidProgramLink(links), kKeyboardLink);
    EXPECT_EQ(InvalidProgramLinkMessage(kKeyboardLink),
              QStringLiteral("Die für Verknüpfungsfeld für Bildschirmtastatur angegebene Datei "
                             "ist ungültig."));
    EXPECT_EQ(InvalidProgramLinkMessage(1),
              QStringLiteral("Die für Verknüpfungsfeld V2 angegebene Datei ist ungültig."));
    EXPECT_EQ(ProgramLinkBrowseTitle(2), QStringLiteral("Datei für Verknüpfungsfeld V3 auswählen"));
    EXPECT_EQ(ProgramLinkBrowseTitle(kKeyboardLink),
              QStringLiteral("Datei für Verknüpfungsfeld für Bildschirmtastatur auswählen"));
}

TEST(ProgramLinks, SettingsHoldThemAndClearingRestoresTheFirstNames) {
    Settings settings;
    ProgramLinks links = ProgramLinksOf(settings);
    EXPECT_EQ(links[1].caption, QStringLiteral("V2"));
    EXPECT_EQ(links[1].hint, QStringLiteral("Programmverknüpfung 2"));
    EXPECT_EQ(links[kKeyboardLink].hint, QStringLiteral("Bildschirmtastatur"));
    links[1] = {QStringLiteral("/usr/bin/gimp"), QStringLiteral("Bild"), QStringLiteral("Malen")};
    links[kKeyboardLink] = {QStringLiteral("/usr/bin/florence"), QStringLiteral("ignoriert"),
                            QStringLiteral("Tasten")};
    StoreProgramLinks(settings, links);
    EXPECT_EQ(settings.Verknuepfung[1], QStringLiteral("/usr/bin/gimp"));
    EXPECT_EQ(settings.VerknuepfungName[1], QStringLiteral("Bild"));
    EXPECT_EQ(settings.VerknuepfungHint[1], QStringLiteral("Malen"));
    EXPECT_EQ(settings.VerknuepfungT, QStringLiteral("/usr/bin/florence"));
    EXPECT_EQ(settings.VerknuepfungHintT, QStringLiteral("Tasten"));

    const ProgramLink cleared = ClearedProgramLink(1);
    EXPECT_TRUE(cleared.target.isEmpty());
    EXPECT_EQ(cleared.caption, QStringLiteral("V2"));
    EXPECT_EQ(cleared.hint, QStringLiteral("Programmverknüpfung 2"));
    EXPECT_EQ(ClearedProgramLink(kKeyboardLink).hint, QStringLiteral("Bildschirmtastatur"));
}

} // namespace
} // namespace quindor
