// Mail and program links in the program window: the menu entries, the buttons under "Externe
// Programme" with their dialog, the logos and the folder links of the page.
#include "app/av_main.h"
#include "document/document_writer.h"
#include "links/link_targets.h"
#include "links/ui/link_dialog.h"
#include "links/ui/mail_options_dialog.h"
#include "links/ui/program_link_button.h"
#include "program_window.h"
#include "settings/settings_store.h"
#include "support/test_support.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

void PressButton(QWidget* widget, Qt::MouseButton button) {
    const QPointF local(4, 4);
    QMouseEvent press(QEvent::MouseButtonPress, local, widget->mapToGlobal(local), button, button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, widget->mapToGlobal(local), button,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

// A start document with a link to the folder "unterordner", which holds one document, and a
// program to link to.
class LinksWindowTest : public ::testing::Test, protected test::ProgramWindow<> {
protected:
    void SetUp() override {
        folder = dir.path() + QLatin1Char('/');
        app.state.ProgramFolder = folder;
        app.state.HelpFolder = folder + QStringLiteral("hilfe/");
        app.state.SetupFolder = folder + QStringLiteral("setupbasissystem/");
        ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("unterordner")));
        program = folder + QStringLiteral("rechner");
        test::WriteFileBytes(program, "#!/bin/sh\n");
        write(folder + QStringLiteral("unterordner/tiere.qdr"), QStringLiteral("Tiere"), false);
        write(folder + QStringLiteral("start.qdr"), QStringLiteral("Start"), true);
        window.resize(1100, 800);
        window.show();
        window.FirstActivation({folder + QStringLiteral("start.qdr")});
    }

    void write(const QString& path, const QString& title, bool withFolderLink) {
        Document document;
        document.Header.Titel = title;
        document.BaseImage.Image = test::PatternImage(870, 600);
        if (withFolderLink) {
            const int link = AddObject(document, {.Typ = ObjectKind::DocumentLink,
                                                  .Ebene = 2,
                                                  .Cap = QStringLiteral("unterordner\\"),
                                                  .FrageNummer = -1,
                                                  .Kx = 0.5,
                                                  .Ky = 0.5,
                                                  .KAusr = 1,
                                                  .Fsize = 0});
            document.Object(link).PktCap = QStringLiteral("Ordner");
        }
        test::WriteFileBytes(path, WriteDocumentBytes(document));
    }
    ProgramLinkButton* linkButton(const char* name) const {
        return window.findChild<ProgramLinkButton*>(QString::fromLatin1(name));
    }
    QPoint centreOf(int index) const {
        const FracRect& r = app.session.document().Object(index).CardRect;
        return app.view.geometry().PageToDisplay((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    QString folder;
    QString program;
};

TEST_F(LinksWindowTest, MenuEntriesAndButtonsAreThere) {
    QAction* mailItem = window.action(QStringLiteral("EMailItem"));
    ASSERT_TRUE(mailItem);
    EXPECT_EQ(mailItem->text(), QStringLiteral("Per E-&Mail versenden..."));
    EXPECT_EQ(mailItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    ASSERT_TRUE(window.action(QStringLiteral("VerknuepfungsfelderItem")));
    EXPECT_EQ(window.action(QStringLiteral("VerknuepfungsfelderItem"))->text(),
              QStringLiteral("&Verknüpfungsfelder..."));
    EXPECT_EQ(window.action(QStringLiteral("WebsiteItem"))->text(),
              QStringLiteral("Quindor-&Website"));
    EXPECT_EQ(window.action(QStringLiteral("Schiebepuzzle1"))->text(),
              QStringLiteral("&Schiebepuzzle"));
    const char* names[] = {"Verknuepfungsfeld1", "Verknuepfungsfeld2", "Verknuepfungsfeld3"};
    for (int i = 0; i < 3; ++i) {
        ProgramLinkButton* button = linkButton(names[i]);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->text(), QStringLiteral("V%1").arg(i + 1));
        EXPECT_EQ(button->toolTip(), QStringLiteral("Programmverknüpfung %1").arg(i + 1));
        EXPECT_TRUE(button->isVisible());
    }
    ProgramLinkButton* keyboard = linkButton("TastaturBtn");
    ASSERT_TRUE(keyboard);
    EXPECT_TRUE(keyboard->text().isEmpty());
    EXPECT_EQ(keyboard->toolTip(), QStringLiteral("Bildschirmtastatur"));
    EXPECT_EQ(keyboard->accessibleName(), QStringLiteral("Bildschirmtastatur"));
}

TEST_F(LinksWindowTest, ButtonsStartTheirProgramAndTheRightButtonAsks) {
    int dialogs = 0;
    window.setLinkDialog([&](LinkDialog&) {
        ++dialogs;
        return false;
    });
    app.settings.Verknuepfung[0] = program;
    shell.result = true;
    PressButton(linkButton("Verknuepfungsfeld1"), Qt::LeftButton);
    EXPECT_EQ(shell.launched, QStringList{program});
    EXPECT_EQ(dialogs, 0);
    PressButton(linkButton("Verknuepfungsfeld1"), Qt::RightButton);
    EXPECT_EQ(dialogs, 1) << "the right button opens the dialog even with a program set";
    PressButton(linkButton("Verknuepfungsfeld2"), Qt::LeftButton);
    EXPECT_EQ(dialogs, 2) << "a button without a program asks for one";
    EXPECT_EQ(shell.launched.size(), 1);
    // From the keyboard: Space starts, the context-menu key asks.
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QCoreApplication::sendEvent(linkButton("Verknuepfungsfeld1"), &space);
    EXPECT_EQ(shell.launched.size(), 2);
    QKeyEvent menu(QEvent::KeyPress, Qt::Key_Menu, Qt::NoModifier);
    QCoreApplication::sendEvent(linkButton("Verknuepfungsfeld1"), &menu);
    EXPECT_EQ(dialogs, 3);
    window.action(QStringLiteral("VerknuepfungsfelderItem"))->trigger();
    EXPECT_EQ(dialogs, 4);
}

TEST_F(LinksWindowTest, LinkDialogTakesOnlyExistingProgramsAndSetsTheButtons) {
    app.settings.Verknuepfung[2] = program;
    app.settings.VerknuepfungName[2] = QStringLiteral("Alt");
    window.setLinkDialog([&](LinkDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(),
                  QStringLiteral("Frei belegbare Verknüpfungsfelder für externe Programme"));
        EXPECT_FALSE(dialog.captionEdit(kKeyboardLink)) << "the keyboard has no caption";
        dialog.show();
        dialog.targetEdit(1)->setText(QStringLiteral("/gibt/es/nicht"));
        dialog.accept();
        EXPECT_EQ(messages.texts(),
                  QStringList{QStringLiteral(
                      "Die für Verknüpfungsfeld V2 angegebene Datei ist ungültig.")});
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.focusWidget(), dialog.targetEdit(1));

        pickers.openAnswer = program;
        dialog.findChild<QPushButton*>(QStringLiteral("DurchsuchenBtn2"))->click();
        EXPECT_EQ(pickers.lastTitle, QStringLiteral("Datei für Verknüpfungsfeld V2 auswählen"));
        EXPECT_EQ(dialog.targetEdit(1)->text(), program);
        dialog.targetEdit(1)->setText(QStringLiteral("  ") + program + QStringLiteral(" "));
        dialog.captionEdit(1)->setText(QStringLiteral("Rechner"));
        dialog.hintEdit(1)->setText(QStringLiteral("Taschenrechner"));
        dialog.findChild<QPushButton*>(QStringLiteral("LoeschenBtn3"))->click();
        EXPECT_TRUE(dialog.targetEdit(2)->text().isEmpty());
        EXPECT_EQ(dialog.captionEdit(2)->text(), QStringLiteral("V3"));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return true;
    });
    window.ProgramLinksCommand();
    EXPECT_EQ(app.settings.Verknuepfung[1], program);
    EXPECT_TRUE(app.settings.Verknuepfung[2].isEmpty());
    EXPECT_EQ(linkButton("Verknuepfungsfeld2")->text(), QStringLiteral("Rechner"));
    EXPECT_EQ(linkButton("Verknuepfungsfeld2")->toolTip(), QStringLiteral("Taschenrechner"));
    EXPECT_EQ(linkButton("Verknuepfungsfeld3")->text(), QStringLiteral("V3"));
}

TEST_F(LinksWindowTest, LogoAndWebSiteEntryOpenTheProductsPages) {
    shell.result = true;
    window.action(QStringLiteral("WebsiteItem"))->trigger();
    window.findChild<QToolButton*>(QStringLiteral("LogoImg"))->click();
    window.findChild<QToolButton*>(QStringLiteral("Logo2Img"))->click();
    EXPECT_EQ(shell.opened,
              QStringList({ProductWebAddress(), ProductWebAddress(), TopicPackagesWebAddress()}));
    // Not while a puzzle runs.
    window.setPuzzleDialog([](TSPuzzleOptForm&) { return true; });
    window.SlidingPuzzleCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Puzzle);
    window.findChild<QToolButton*>(QStringLiteral("LogoImg"))->click();
    EXPECT_EQ(shell.opened.size(), 3);
}

TEST_F(LinksWindowTest, AFolderLinkMovesTheTopicFolderThere) {
    int link = -1;
    for (int i = 0; i < app.session.document().ObjectCount(); ++i) {
        if (app.session.document().Object(i).Typ == ObjectKind::DocumentLink)
            link = i;
    }
    ASSERT_GE(link, 0);
    window.pagePressed(centreOf(link), Qt::LeftButton);
    EXPECT_TRUE(messages.entries().isEmpty()) << messages.texts().join(u'|').toStdString();
    EXPECT_EQ(app.state.CurrentFolder, folder + QStringLiteral("unterordner/"));
    EXPECT_FALSE(app.session.hasDocument());
    EXPECT_TRUE(window.pageArea()->startInformationVisible());
    QStringList topics;
    for (QAction* a : window.topicMenu()->actions()) {
        if (a->objectName().startsWith(QStringLiteral("MenueThemaItem")))
            topics.append(a->text());
    }
    EXPECT_EQ(topics, QStringList{QStringLiteral("&1:  Tiere")});
    // The open dialog starts there, without having been shown before.
    EXPECT_TRUE(pickers.titles.isEmpty());
    window.OpenDocumentCommand();
    EXPECT_EQ(pickers.lastStart, folder + QStringLiteral("unterordner/"));
}

TEST_F(LinksWindowTest, MailGoesThroughTheOptionsToTheMailProgram) {
    QString title;
    window.setMailDialog([&](MailOptionsDialog& dialog) -> std::optional<MailOption> {
        title = dialog.windowTitle();
        return dialog.option();
    });
    window.MailDocumentCommand();
    EXPECT_EQ(title, QStringLiteral("Dokument per E-Mail versenden"));
    ASSERT_EQ(mail.sent.size(), 1);
    EXPECT_EQ(mail.sent[0].attachments, QStringList{folder + QStringLiteral("start.qdr")});
    EXPECT_TRUE(mail.sent[0].body.startsWith(QStringLiteral("Quindor-Themendokument: start.qdr")));
}

} // namespace
} // namespace quindor
