// Whole runs in the program window, driven through the exercise panel's widgets.
#include "app/av_main.h"
#include "core/program_folders.h"
#include "document/document_writer.h"
#include "document/ui/topic_list_window.h"
#include "exercise/ui/best_list_window.h"
#include "exercise/ui/exercise_dialogs.h"
#include "exercise/ui/protocol_window.h"
#include "platform/host_identity.h"
#include "print/ui/table_and_view_printing.h"
#include "program_window.h"
#include "settings/settings_store.h"
#include "support/test_support.h"
#include "view/ui/info_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>

namespace quindor {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint local) {
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A gap text of two gaps in a window of 1100 x 800, with the run's pauses left out.
class ExerciseWindowTest : public ::testing::Test, protected test::ProgramWindow<> {
protected:
    void SetUp() override {
        const QString folder = dir.path() + QLatin1Char('/');
        app.state.ProgramFolder = folder;
        app.state.SoundFolder = folder;
        for (const char* name : {"richtig1.wav", "falsch1.wav"}) {
            QFile file(folder + QLatin1String(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        Document document;
        document.Header.DokTyp = DocumentType::GapText;
        document.Header.Titel = QStringLiteral("Sonne");
        document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::GapText);
        document.Header.Lueckentext =
            QStringLiteral("Die Sonne geht im <<Osten|Morgen>> auf und im <<Westen>> unter.");
        // Two info points, one of them released for exercises.
        for (double y : {0.7, 0.85}) {
            const int point = AddObject(document, {.Typ = ObjectKind::InfoPoint,
                                                   .Ebene = 2,
                                                   .Cap = QStringLiteral("Hinweis"),
                                                   .FrageNummer = -1,
                                                   .Kx = 0.5,
                                                   .Ky = y,
                                                   .KAusr = 1,
                                                   .Fsize = 0});
            document.Object(point).PktCap = QStringLiteral("Info");
            document.Object(point).PunktInUebung = y < 0.8 ? 1 : 0;
        }
        QImage paper(870, 600, QImage::Format_ARGB32_Premultiplied);
        paper.fill(Qt::white);
        document.BaseImage.Image = paper;
        QFile file(folder + QStringLiteral("sonne.qdr"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteDocumentBytes(document));
        file.close();

        app.settings.UebOpt.Zuordnungstexte = 0;
        app.settings.UebOpt.Zuordnungsziele = 0;
        app.settings.OptUebNameEingabe = true;
        window.resize(1100, 800);
        window.show();
        window.FirstActivation({folder + QStringLiteral("sonne.qdr")});
        window.setExerciseDialogs([] { return true; }, [] { return QStringLiteral("Ada"); },
                                  [this](const UebDataTyp& run) {
                                      results.push_back(run);
                                      return ResultChoice{};
                                  });
        window.exercisePanel()->setPauseScale(0);
    }

    ExercisePanel* panel() const { return window.exercisePanel(); }
    ElementPanel* card(int entry) const {
        return panel()->findChild<ElementPanel*>(QStringLiteral("UebElemPan%1").arg(entry));
    }
    int entryOf(const QString& caption) const {
        const auto& list = window.exercisePanel() ? runList() : std::vector<QueryPair>{};
        for (size_t i = 0; i < list.size(); ++i) {
            if (app.session.document().Object(list[i].CardObject).Cap == caption)
                return static_cast<int>(i);
        }
        return -1;
    }
    const std::vector<QueryPair>& runList() const {
        return const_cast<MainWindow&>(window).exerciseRun().queryList();
    }
    int gap(const QString& caption) const {
        const Document& d = app.session.document();
        for (int i = 0; i < d.ObjectCount(); ++i) {
            if (d.Object(i).Typ == ObjectKind::Gap && d.Object(i).Cap == caption)
                return i;
        }
        return -1;
    }
    // Drags a card so that the middle of its left edge lies on the gap's card, and lets go.
    void dragOnto(ElementPanel* card, int target) {
        const FracRect& r = app.session.document().Object(target).CardRect;
        const QPoint mid = panel()->pageToPanel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        const QPoint grip(10, 10);
        SendMouse(card, QEvent::MouseButtonPress, grip);
        const QPoint topLeft(mid.x() - 2, mid.y() - card->height() / 2);
        SendMouse(card, QEvent::MouseMove, topLeft + grip - card->pos());
        SendMouse(card, QEvent::MouseButtonRelease, grip);
    }

    std::vector<UebDataTyp> results;
};

TEST_F(ExerciseWindowTest, CardsDraggedOntoTheirGaps) {
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_FALSE(window.pageArea()->isVisible());
    EXPECT_TRUE(window.exerciseStatusPanel()->isVisible());
    EXPECT_EQ(window.exerciseStatusPanel()->value(QStringLiteral("NameValue"))->text(),
              QStringLiteral("Ada"));
    EXPECT_EQ(window.exerciseStatusPanel()->value(QStringLiteral("RichtigValue"))->text(),
              QStringLiteral("0 von  2"));
    EXPECT_EQ(panel()->documentAreaWidth(), panel()->width() - 185);

    ElementPanel* osten = card(entryOf(QStringLiteral("Osten")));
    ElementPanel* westen = card(entryOf(QStringLiteral("Westen")));
    ASSERT_TRUE(osten && westen);
    EXPECT_EQ(osten->caption(), QStringLiteral("Osten"));
    EXPECT_EQ(osten->accessibleName(), QStringLiteral("Osten"));
    EXPECT_EQ(osten->size(), QSize(180, 46));
    // The first entry's card lies on top of the pile.
    EXPECT_LT(card(0)->y(), card(1)->y());

    const QPoint home = osten->pos();
    dragOnto(osten, gap(QStringLiteral("Westen")));
    EXPECT_EQ(window.exerciseRun().data().FailedAttempts, 1);
    EXPECT_EQ(osten->pos(), home) << "a rejected card slides home";
    EXPECT_EQ(sound.played.last(), QStringLiteral("falsch1.wav (warten)"));

    dragOnto(osten, gap(QStringLiteral("Osten")));
    EXPECT_EQ(window.exerciseRun().data().CorrectCount, 1);
    EXPECT_TRUE(osten->isHidden());
    EXPECT_EQ(window.exerciseStatusPanel()->value(QStringLiteral("QuoteValue"))->text(),
              QStringLiteral("50.0 %"));

    // A drop beside every gap counts nothing and leaves the card where it fell.
    SendMouse(westen, QEvent::MouseButtonPress, QPoint(5, 5));
    SendMouse(westen, QEvent::MouseMove, QPoint(5, 5) + QPoint(20, 500) - westen->pos());
    SendMouse(westen, QEvent::MouseButtonRelease, QPoint(5, 5));
    EXPECT_EQ(window.exerciseRun().data().FailedAttempts, 1);
    EXPECT_EQ(westen->pos(), QPoint(20, 500));

    dragOnto(westen, gap(QStringLiteral("Westen")));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].CorrectCount, 2);
    EXPECT_EQ(results[0].LearnerName, QStringLiteral("Ada"));
    EXPECT_EQ(app.state.ViewMode, Mode::Learning);
    EXPECT_TRUE(window.pageArea()->isVisible());
    EXPECT_FALSE(panel()->isVisible());
    for (const ObjDataTyp& o : app.session.document().Objects)
        EXPECT_TRUE(o.State == ObjectState::Shown || o.State == ObjectState::Covered)
            << o.Cap.toStdString();
}

TEST_F(ExerciseWindowTest, TypedAnswersInTheFields) {
    app.settings.UebOpt.AbfrageModus = 3;
    app.settings.UebOpt.AnzZeichenVorgeben = true;
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    auto* first = panel()->findChild<QLineEdit*>(QStringLiteral("UebElemPan0"));
    auto* second = panel()->findChild<QLineEdit*>(QStringLiteral("UebElemPan1"));
    ASSERT_TRUE(first && second);
    // The placeholder tells the length of the answer.
    EXPECT_EQ(first->text(), QStringLiteral("<5>"));
    EXPECT_EQ(first->accessibleName(), QStringLiteral("1"));
    // The field lies over its gap, as wide as the gap.
    const ObjDataTyp& osten = app.session.document().Object(gap(QStringLiteral("Osten")));
    const QPoint point = panel()->pageToPanel(osten.Kx, osten.Ky);
    EXPECT_NEAR(first->geometry().center().x(), point.x(), 2);
    EXPECT_LT(first->geometry().bottom(), point.y());

    first->setText(QStringLiteral("  Morgen "));
    ASSERT_TRUE(panel()->okPanel());
    SendMouse(panel()->okPanel(), QEvent::MouseButtonPress, QPoint(5, 5));
    SendMouse(panel()->okPanel(), QEvent::MouseButtonRelease, QPoint(5, 5));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].CorrectCount, 1);
    EXPECT_EQ(results[0].FailedAttempts, 1);
    EXPECT_EQ(app.state.ViewMode, Mode::Learning);
}

// The whole answer and the placeholder stay in view: a field that had to scroll would show
// another picture with the cursor at the start than at the end.
TEST_F(ExerciseWindowTest, InputFieldsShowTheWholeAnswer) {
    app.settings.UebOpt.AbfrageModus = 3;
    app.settings.UebOpt.AnzZeichenVorgeben = true;
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    for (int entry : {0, 1}) {
        auto* field = panel()->findChild<QLineEdit*>(QStringLiteral("UebElemPan%1").arg(entry));
        ASSERT_TRUE(field);
        const QString answer =
            app.session.document().Object(runList()[static_cast<size_t>(entry)].TargetObject).Cap;
        for (const QString& text :
             {field->text(), answer, answer.left(1).toUpper() + answer.mid(1)}) {
            field->setText(text);
            field->home(false);
            const QImage atStart = field->grab().toImage();
            field->end(false);
            EXPECT_EQ(field->grab().toImage(), atStart) << text.toStdString();
        }
    }
}

TEST_F(ExerciseWindowTest, CommandsRefusedDuringARun) {
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    EXPECT_FALSE(window.action(QStringLiteral("Notenskala1"))->isEnabled());
    window.ExerciseSettingsCommand();
    EXPECT_EQ(
        messages.texts().back(),
        QStringLiteral("Die Übungseinstellungen können nicht während der Übung geändert werden."));
    window.findChild<QToolButton*>(QStringLiteral("IndividualUebungBtn"))->click();
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung "
                             "abbrechen\", um die aktuelle Übung vorzeitig abzubrechen."));
    // The status panel keeps to the window's right edge and follows its option at once.
    window.SetToolBarSide(true);
    QCoreApplication::processEvents();
    ExerciseStatusPanel* status = window.exerciseStatusPanel();
    EXPECT_GE(status->mapTo(&window, QPoint(status->width(), 0)).x(), window.width() - 8);
    window.action(QStringLiteral("StatusinfoItem"))->trigger();
    EXPECT_FALSE(status->isVisible());
    messages.queueAnswer(Answer::Yes);
    window.AbortExerciseCommand();
    EXPECT_EQ(app.state.ViewMode, Mode::Learning);
    EXPECT_TRUE(window.action(QStringLiteral("Notenskala1"))->isEnabled());
    EXPECT_TRUE(results.empty());
}

TEST_F(ExerciseWindowTest, OnlyPointsReleasedForExercisesOpen) {
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    const auto clickPoint = [this](int index) {
        const FracRect& r = app.session.document().Object(index).CardRect;
        const QPoint centre = panel()->pageToPanel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(centre),
                          QPointF(panel()->mapToGlobal(centre)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(panel(), &press);
    };
    const Document& d = app.session.document();
    int released = -1, locked = -1;
    for (int i = 0; i < d.ObjectCount(); ++i) {
        if (d.Object(i).Typ == ObjectKind::InfoPoint)
            (d.Object(i).PunktInUebung ? released : locked) = i;
    }
    clickPoint(locked);
    auto* box = window.findChild<QDialog*>(QStringLiteral("InfoBox"));
    EXPECT_TRUE(!box || box->isHidden());
    clickPoint(released);
    box = window.findChild<QDialog*>(QStringLiteral("InfoBox"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(app.state.ViewMode, Mode::Exercise);
}

TEST_F(ExerciseWindowTest, ManyCardsCascadeAndRelayoutOnResize) {
    // Thirty labels on a small window.
    Document many;
    QImage paper(870, 600, QImage::Format_ARGB32_Premultiplied);
    paper.fill(Qt::white);
    many.BaseImage.Image = paper;
    for (int i = 0; i < 30; ++i)
        AddObject(many, {.Typ = ObjectKind::QueryLabel,
                         .Ebene = 1,
                         .Cap = QStringLiteral("Teil %1").arg(i, 2, 10, QChar(u'0')),
                         .FrageNummer = -1,
                         .Kx = 0.1 + (i % 6) * 0.15,
                         .Ky = 0.1 + (i / 6) * 0.15,
                         .KAusr = 1,
                         .Fsize = 0});
    const QString file = dir.path() + QStringLiteral("/viele.qdr");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(WriteDocumentBytes(many));
    out.close();
    ASSERT_TRUE(app.session.LoadDocument(file, true));
    window.resize(800, 240);
    QCoreApplication::processEvents();
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    const int width = panel()->width();
    const int stacks = (width - 185 - panel()->documentAreaWidth()) / 12 + 1;
    EXPECT_GT(stacks, 1);
    EXPECT_EQ(panel()->documentAreaWidth(), width - 185 - 12 * (stacks - 1));
    // The next stack starts 12 pixels further left and 7 higher.
    std::map<int, int> bottomOfStack;
    for (int i = 0; i < 30; ++i) {
        ElementPanel* c = card(i);
        bottomOfStack[c->x()] = std::max(bottomOfStack[c->x()], c->geometry().bottom());
    }
    ASSERT_EQ(static_cast<int>(bottomOfStack.size()), stacks);
    auto it = bottomOfStack.rbegin();
    const int firstBottom = it->second;
    ++it;
    EXPECT_EQ(it->second, firstBottom - 7);

    // A taller window needs fewer stacks; the query order stays.
    const std::vector<QueryPair> order = runList();
    window.resize(1100, 900);
    QCoreApplication::processEvents();
    const int after = (panel()->width() - 185 - panel()->documentAreaWidth()) / 12 + 1;
    EXPECT_LT(after, stacks);
    EXPECT_EQ(panel()->documentAreaWidth(), panel()->width() - 185 - 12 * (after - 1));
    EXPECT_EQ(runList(), order);
}

TEST_F(ExerciseWindowTest, ProtocolOfTheRunSavedMailedAndCommented) {
    app.state.ProtocolFolder = dir.path() + QLatin1Char('/');
    app.settings.OptAutoProtSpeichern = true;
    window.IndividualExerciseCommand();
    dragOnto(card(entryOf(QStringLiteral("Osten"))), gap(QStringLiteral("Osten")));
    dragOnto(card(entryOf(QStringLiteral("Westen"))), gap(QStringLiteral("Westen")));
    ASSERT_EQ(app.state.ViewMode, Mode::Learning);
    ProtocolWindow* protocol = window.protocolWindow();
    ASSERT_FALSE(protocol->content().empty());
    EXPECT_EQ(protocol->content()[0], (RichParagraph{QStringLiteral("Übungsprotokoll"), true, 9}));
    const QString shown = protocol->area()->toPlainText();
    EXPECT_TRUE(shown.contains(QStringLiteral("Teilnehmername:	Ada")));
    EXPECT_TRUE(shown.contains(QStringLiteral("Richtig zugeordnet:	2  von  2")));
    EXPECT_TRUE(shown.contains(
        QStringLiteral("RICHTIG - Lückentext \"Osten\" wird der richtigen Lücke zugeordnet")));
    // Saved automatically as rich text.
    const QStringList saved = QDir(dir.path()).entryList({QStringLiteral("*.rtf")});
    ASSERT_EQ(saved.size(), 1);
    EXPECT_TRUE(saved[0].endsWith(QStringLiteral("-0.rtf")));

    // Two protocols of the same second get the counters 0 and 1.
    const QDateTime when(QDate(2026, 12, 9), QTime(9, 0, 0));
    ASSERT_TRUE(protocol->AutoSaveProtocol(when, QStringLiteral("PC")));
    ASSERT_TRUE(protocol->AutoSaveProtocol(when, QStringLiteral("PC")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("20261209-090000-PC-0.rtf"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("20261209-090000-PC-1.rtf"))));

    protocol->addComment(QStringLiteral("   "));
    const size_t before = protocol->content().size();
    protocol->addComment(QStringLiteral("  Gut gemacht!  "));
    ASSERT_EQ(protocol->content().size(), before + 4);
    EXPECT_EQ(protocol->content()[before + 1],
              (RichParagraph{QStringLiteral("Kommentar"), true, 9}));
    EXPECT_EQ(protocol->content().back().text, QStringLiteral("Gut gemacht!"));

    protocol->mailCommand(when);
    ASSERT_EQ(mail.sent.size(), 1);
    EXPECT_EQ(mail.sent[0].subject, QStringLiteral("Quindor-Übungsprotokoll"));
    EXPECT_EQ(mail.sent[0].body,
              QStringLiteral("Anbei Quindor-Übungsprotokoll zu Themendokument: ") +
                  app.session.header().FileName + QStringLiteral("\r\n"));
    EXPECT_EQ(
        mail.sent[0].attachments,
        QStringList{dir.filePath(QStringLiteral("email-qdrprotokoll-20261209-090000-0.rtf"))});
    EXPECT_TRUE(messages.texts().back().startsWith(
        QStringLiteral("Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt.")));
    mail.result = false;
    protocol->mailCommand(when);
    EXPECT_EQ(messages.texts().back(), QStringLiteral("Der E-Mail-Versand wurde abgebrochen oder "
                                                      "es ist ein Fehler aufgetreten."));

    // Printed, here into a PDF file.
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("protokoll.pdf")));
    protocol->printTo(printer);
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("protokoll.pdf"))).size(), 1000);

    app.state.ProtocolFolder = dir.path() + QStringLiteral("/fehlt/");
    EXPECT_FALSE(protocol->AutoSaveProtocol(when, QStringLiteral("PC")));
    EXPECT_TRUE(messages.texts().back().endsWith(
        QStringLiteral("\r\n\r\nDas Übungsprotokoll konnte nicht automatisch gespeichert werden. "
                       "Überprüfen Sie die Einstellungen unter \"Optionen / Ordner für "
                       "Protokolle und Bestenlisten\".")));
}

// The protocol stays reachable from the menu until the next run starts, also without the
// result window, and a comment of several lines is saved as the window shows it.
TEST_F(ExerciseWindowTest, LastProtocolFromTheMenuWithAMultiLineComment) {
    QAction* item = window.action(QStringLiteral("ProtokollderletztenUebung1"));
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), QStringLiteral("&Protokoll der letzten Übung..."));
    EXPECT_FALSE(item->isEnabled());
    app.settings.OptUebErgebAnzeigen = false;
    window.IndividualExerciseCommand();
    EXPECT_FALSE(item->isEnabled());
    dragOnto(card(entryOf(QStringLiteral("Osten"))), gap(QStringLiteral("Osten")));
    dragOnto(card(entryOf(QStringLiteral("Westen"))), gap(QStringLiteral("Westen")));
    ASSERT_EQ(app.state.ViewMode, Mode::Learning);
    EXPECT_TRUE(item->isEnabled());
    ProtocolWindow* protocol = window.protocolWindow();
    bool shown = false;
    QTimer::singleShot(0, protocol, [&] {
        shown = protocol->isVisible() && protocol->isModal();
        protocol->accept();
    });
    item->trigger();
    EXPECT_TRUE(shown);

    protocol->addComment(QStringLiteral("Erste Zeile\nzweite Zeile\n\nnach einer Leerzeile"));
    QStringList blocks;
    for (QTextBlock b = protocol->area()->document()->begin(); b.isValid(); b = b.next())
        blocks.append(b.text());
    QStringList saved;
    for (const RichParagraph& p : protocol->content())
        saved.append(p.text);
    EXPECT_EQ(saved, blocks);
    EXPECT_EQ(saved.mid(saved.size() - 4),
              (QStringList{QStringLiteral("Erste Zeile"), QStringLiteral("zweite Zeile"), QString(),
                           QStringLiteral("nach einer Leerzeile")}));

    const QString path = dir.filePath(QStringLiteral("kommentiert.rtf"));
    ASSERT_TRUE(protocol->saveAs(path));
    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty())
        GTEST_SKIP() << "unrtf is not installed";
    QProcess reader;
    reader.start(unrtf, {QStringLiteral("--text"), path});
    ASSERT_TRUE(reader.waitForFinished(20'000));
    const QString text = QString::fromLatin1(reader.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Erste Zeile\nzweite Zeile\n\nnach einer Leerzeile")))
        << text.toStdString();

    // A new run starts without the old protocol.
    window.IndividualExerciseCommand();
    EXPECT_FALSE(item->isEnabled());
    EXPECT_TRUE(protocol->content().empty());
}

// Installed where the program's folder cannot be written: the results go into the user's
// data folder, whose folders are made at their first use.
TEST_F(ExerciseWindowTest, FreshInstallSavesResultsInTheUsersDataFolder) {
    const QString user = dir.filePath(QStringLiteral("home/.local/share/Quindor"));
    ComputeProgramFolders(app.state, dir.path(), user);
    app.state.SoundFolder = dir.path() + QLatin1Char('/');
    app.settings.OptAutoProtSpeichern = true;
    app.settings.OptErgebBestListEintragen = true;
    window.IndividualExerciseCommand();
    dragOnto(card(entryOf(QStringLiteral("Osten"))), gap(QStringLiteral("Osten")));
    dragOnto(card(entryOf(QStringLiteral("Westen"))), gap(QStringLiteral("Westen")));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
    EXPECT_TRUE(QFile::exists(user + QStringLiteral("/bestenlisten/sonne.hsc")));
    EXPECT_EQ(
        QDir(user + QStringLiteral("/protokolle")).entryList({QStringLiteral("*.rtf")}).size(), 1);
    EXPECT_FALSE(QFileInfo::exists(user + QStringLiteral("/chronik")));

    // The folders dialog, where the messages send the user, takes the defaults as they are.
    QMenu* options = window.findChild<QMenu*>(QStringLiteral("OptionenMenu"));
    ASSERT_TRUE(options);
    QAction* item = nullptr;
    for (QAction* a : options->actions()) {
        if (a->text().remove(u'&') == QStringLiteral("Ordner für Protokolle und Bestenlisten..."))
            item = a;
    }
    ASSERT_TRUE(item);
    for (QAction* entry : {item, window.action(QStringLiteral("OrdnerBestenlisten1"))}) {
        QString caption;
        QTimer::singleShot(0, &window, [&caption] {
            auto* dialog = qobject_cast<FolderDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            caption = dialog->windowTitle();
            dialog->accept();
        });
        entry->trigger();
        EXPECT_EQ(caption, QStringLiteral("Dateiordner"));
    }
    EXPECT_TRUE(QFileInfo(user + QStringLiteral("/chronik")).isDir());
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(u'|').toStdString();
}

} // namespace
} // namespace quindor

namespace quindor {
namespace {

TEST_F(ExerciseWindowTest, TopicListWindowShowsTheNumberedTitles) {
    TopicListWindow topics(app.reportPorts());
    QTimer::singleShot(0, &topics, [&topics] { topics.accept(); });
    topics.showTopics(QStringLiteral("<TIT>Themenliste\r\n1: Sonne\r\n2: mond.qdr\r\n"));
    EXPECT_EQ(topics.windowTitle(), QStringLiteral("Themenliste"));
    ASSERT_EQ(topics.content().size(), 4u);
    EXPECT_EQ(topics.content()[0], (RichParagraph{QStringLiteral("Themenliste"), true, 9}));
    EXPECT_EQ(topics.area()->toPlainText(), QStringLiteral("Themenliste\n\n1: Sonne\n2: mond.qdr"));
    // The buttons of a report, in order, the closing one last.
    QStringList captions;
    for (QPushButton* b : topics.findChildren<QPushButton*>())
        captions.append(b->text());
    EXPECT_EQ(captions, QStringList({QStringLiteral("In Zwischenablage kopieren"),
                                     QStringLiteral("Speichern..."), QStringLiteral("Drucken..."),
                                     QStringLiteral("Vorschau..."), QStringLiteral("Schließen")}));
    const QString file = dir.filePath(QStringLiteral("themen.rtf"));
    ASSERT_TRUE(topics.saveAs(file));
    EXPECT_TRUE(test::ReadFileBytes(file).contains("\\b Themenliste\\par"));
}

} // namespace
} // namespace quindor

namespace quindor {
namespace {} // namespace
} // namespace quindor
