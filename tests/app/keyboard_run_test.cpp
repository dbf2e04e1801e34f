// Runs and the learning view without the mouse: the same run by keyboard and by mouse gives
// the same counts, sounds and protocol.
#include "app/av_main.h"
#include "document/document_writer.h"
#include "exercise/ui/exercise_keyboard.h"
#include "make_samples/sample_documents.h"
#include "program_window.h"
#include "settings/settings_store.h"
#include "support/test_support.h"
#include "view/ui/keyboard_chooser.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint local) {
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A key pressed and released where the focus is, and what it set off.
void Key(int key) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus) << "no focus for key " << key;
    QKeyEvent press(QEvent::KeyPress, key,
                    key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(focus, &press);
    if (QWidget* now = QApplication::focusWidget()) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(now, &release);
    }
    QCoreApplication::processEvents();
}

// The detail lines of a protocol without their clock.
QString WithoutTimes(QString log) {
    static const QRegularExpression kTime(QStringLiteral("(^|\\n)\\d\\d:\\d\\d - "));
    return log.replace(kTime, QStringLiteral("\\1"));
}

// A labelled picture with three positions and a point released for exercises, in a window of
// 1100 x 800, the run's pauses left out.
class KeyboardRunTest : public ::testing::Test, protected test::ProgramWindow<> {
protected:
    void SetUp() override {
        const QString folder = dir.path() + QLatin1Char('/');
        app.state.ProgramFolder = folder;
        app.state.SoundFolder = folder;
        for (const char* name : {"richtig1.wav", "falsch1.wav"})
            test::WriteFileBytes(folder + QLatin1String(name), QByteArray());
        Document document;
        document.Header.Titel = QStringLiteral("Landschaft");
        QImage paper(870, 600, QImage::Format_ARGB32_Premultiplied);
        paper.fill(Qt::white);
        document.BaseImage.Image = paper;
        const std::pair<const char*, QPointF> labels[] = {
            {"Sonne", {0.2, 0.15}}, {"Baum", {0.7, 0.35}}, {"Haus", {0.35, 0.6}}};
        for (const auto& [caption, point] : labels)
            AddObject(document, {.Typ = ObjectKind::QueryLabel,
                                 .Ebene = 1,
                                 .Cap = QString::fromLatin1(caption),
                                 .FrageNummer = -1,
                                 .Kx = point.x(),
                                 .Ky = point.y(),
                                 .KAusr = 1,
                                 .Fsize = 0});
        const int point = AddObject(document, {.Typ = ObjectKind::InfoPoint,
                                               .Ebene = 2,
                                               .Cap = QStringLiteral("Ein Hinweis"),
                                               .FrageNummer = -1,
                                               .Kx = 0.8,
                                               .Ky = 0.85,
                                               .KAusr = 1,
                                               .Fsize = 0});
        document.Object(point).PktCap = QStringLiteral("Tipp");
        document.Object(point).PunktInUebung = 1;
        test::WriteFileBytes(folder + QStringLiteral("landschaft.qdr"),
                             WriteDocumentBytes(document));
        app.settings.UebOpt.Zuordnungstexte = 0;
        app.settings.UebOpt.Zuordnungsziele = 0;
        window.resize(1100, 800);
        window.FirstActivation({folder + QStringLiteral("landschaft.qdr")});
        window.show();
        // The keyboard goes to the active window.
        QApplication::setActiveWindow(&window);
        window.setExerciseDialogs([] { return true; }, [] { return QStringLiteral("Ada"); },
                                  [this](const UebDataTyp& run) {
                                      results.push_back(run);
                                      return ResultChoice{};
                                  });
        window.exercisePanel()->setPauseScale(0);
    }

    ExercisePanel* panel() const { return window.exercisePanel(); }
    ExerciseKeyboard* keyboard() const { return window.exerciseKeyboard(); }
    int objectOf(const QString& caption) const {
        const Document& d = app.session.document();
        for (int i = 0; i < d.ObjectCount(); ++i) {
            if (d.Object(i).Typ == ObjectKind::QueryLabel && d.Object(i).Cap == caption)
                return i;
        }
        return -1;
    }
    ElementPanel* focusedCard() const {
        return qobject_cast<ElementPanel*>(QApplication::focusWidget());
    }

    // From the tool bar into the run with Tab, to the card with the arrow keys, picked up with
    // Space, to the position with the arrow keys, dropped with Enter.
    void dropByKeyboard(const QString& card, const QString& target) {
        window.findChild<QToolButton*>(QStringLiteral("IndividualUebungBtn"))->setFocus();
        for (int i = 0; i < 40 && !focusedCard(); ++i)
            Key(Qt::Key_Tab);
        ASSERT_TRUE(focusedCard()) << "Tab reaches the cards";
        for (int i = 0; i < 10 && focusedCard()->caption() != card; ++i)
            Key(Qt::Key_Down);
        ASSERT_EQ(focusedCard()->caption(), card);
        Key(Qt::Key_Space);
        ASSERT_EQ(QApplication::focusWidget(), keyboard()->targetChooser());
        const int object = objectOf(target);
        for (int i = 0; i < 10; ++i) {
            const auto& places = keyboard()->targets();
            if (places[static_cast<size_t>(keyboard()->targetChooser()->current())].object ==
                object)
                break;
            Key(Qt::Key_Right);
        }
        Key(Qt::Key_Return);
    }

    void dropByMouse(const QString& caption, const QString& target) {
        ElementPanel* card = nullptr;
        for (ElementPanel* c : panel()->findChildren<ElementPanel*>())
            if (c->isVisible() && c->caption() == caption)
                card = c;
        ASSERT_TRUE(card);
        const FracRect& r = app.session.document().Object(objectOf(target)).CardRect;
        const QPoint mid = panel()->pageToPanel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        const QPoint grip(10, 10);
        SendMouse(card, QEvent::MouseButtonPress, grip);
        SendMouse(card, QEvent::MouseMove,
                  QPoint(mid.x(), mid.y() - card->height() / 2) + grip - card->pos());
        SendMouse(card, QEvent::MouseButtonRelease, grip);
    }

    std::vector<UebDataTyp> results;
};

const std::pair<const char*, const char*> kSteps[] = {
    {"Sonne", "Baum"}, {"Sonne", "Sonne"}, {"Haus", "Haus"}, {"Baum", "Baum"}};

TEST_F(KeyboardRunTest, AKeyboardRunCountsAndRecordsAsAMouseRun) {
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise) << messages.texts().join(u'|').toStdString();
    for (const auto& [card, target] : kSteps)
        dropByMouse(QString::fromLatin1(card), QString::fromLatin1(target));
    ASSERT_EQ(results.size(), 1u);
    const QStringList mouseSounds = sound.played;
    sound.played.clear();

    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    for (const auto& [card, target] : kSteps) {
        dropByKeyboard(QString::fromLatin1(card), QString::fromLatin1(target));
        if (HasFatalFailure())
            return;
    }
    ASSERT_EQ(results.size(), 2u);
    const UebDataTyp& byMouse = results[0];
    const UebDataTyp& byKeyboard = results[1];
    EXPECT_EQ(byKeyboard.CorrectCount, 3);
    EXPECT_EQ(byKeyboard.FailedAttempts, 1);
    EXPECT_EQ(byKeyboard.CorrectCount, byMouse.CorrectCount);
    EXPECT_EQ(byKeyboard.FailedAttempts, byMouse.FailedAttempts);
    EXPECT_EQ(byKeyboard.TotalPerformance, byMouse.TotalPerformance);
    EXPECT_EQ(WithoutTimes(byKeyboard.DetailLog), WithoutTimes(byMouse.DetailLog));
    EXPECT_EQ(sound.played, mouseSounds);
    EXPECT_EQ(sound.played.count(QStringLiteral("falsch1.wav (warten)")), 1);
    EXPECT_EQ(app.state.ViewMode, Mode::Learning);
}

TEST_F(KeyboardRunTest, CardsArePickedUpAndPutBackAndSaidAsButtons) {
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    window.findChild<QToolButton*>(QStringLiteral("IndividualUebungBtn"))->setFocus();
    // Before a key is pressed no frame shows, although a control has the focus.
    auto* ring = window.findChild<FocusRing*>(QStringLiteral("TastaturRahmen"));
    ASSERT_TRUE(ring);
    EXPECT_FALSE(ring->isVisible());
    for (int i = 0; i < 40 && !focusedCard(); ++i)
        Key(Qt::Key_Tab);
    ElementPanel* first = focusedCard();
    ASSERT_TRUE(first);
    // The top card is the first one reached, and the frame shows it.
    for (ElementPanel* card : panel()->findChildren<ElementPanel*>())
        EXPECT_LE(first->y(), card->y());
    EXPECT_TRUE(ring->isVisible());
    EXPECT_EQ(ring->target(), first);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(first);
    ASSERT_TRUE(accessible);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), first->caption());
    EXPECT_TRUE(first->accessibleDescription().startsWith(QStringLiteral("Kärtchen 1 von 3")));

    Key(Qt::Key_Space);
    KeyboardChooser* chooser = keyboard()->targetChooser();
    ASSERT_EQ(QApplication::focusWidget(), chooser);
    // Three positions in reading order, the chooser named after the one marked.
    ASSERT_EQ(keyboard()->targets().size(), 3u);
    EXPECT_EQ(keyboard()->targets()[0].object, objectOf(QStringLiteral("Sonne")));
    EXPECT_EQ(keyboard()->targets()[1].object, objectOf(QStringLiteral("Baum")));
    EXPECT_EQ(keyboard()->targets()[2].object, objectOf(QStringLiteral("Haus")));
    EXPECT_TRUE(chooser->text().startsWith(QStringLiteral("Position 1 von 3")));
    Key(Qt::Key_End);
    EXPECT_EQ(chooser->current(), 2);
    Key(Qt::Key_Down);
    EXPECT_EQ(chooser->current(), 2) << "the last stays the last";
    // Escape keeps the card where it was, with the focus.
    const QPoint home = first->pos();
    Key(Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_EQ(first->pos(), home);
    EXPECT_EQ(window.exerciseRun().data().FailedAttempts, 0);
}

TEST_F(KeyboardRunTest, PointsReleasedForTheRunComeFirstAndOpen) {
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    window.findChild<QToolButton*>(QStringLiteral("IndividualUebungBtn"))->setFocus();
    for (int i = 0; i < 40 && QApplication::focusWidget() != keyboard()->pointChooser(); ++i)
        Key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), keyboard()->pointChooser());
    EXPECT_EQ(keyboard()->pointChooser()->text(), QStringLiteral("Infopunkt Tipp"));
    Key(Qt::Key_Return);
    auto* box = window.findChild<QDialog*>(QStringLiteral("InfoBox"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(app.state.ViewMode, Mode::Exercise);
    box->hide();
    QApplication::setActiveWindow(&window);
    // The chooser has waited behind the box; Tab goes on from the points to the top card.
    EXPECT_EQ(QApplication::focusWidget(), keyboard()->pointChooser());
    Key(Qt::Key_Tab);
    EXPECT_TRUE(focusedCard());
}

// After each answer the focus stays in the run, on the answers of the next question.
TEST_F(KeyboardRunTest, AnswersFromTheKeyboardKeepTheFocusInTheRun) {
    const QString folder = dir.path() + QLatin1Char('/');
    for (samples::NamedDocument& d : samples::SampleDocuments()) {
        if (d.FileName == QStringLiteral("06_Einzelfragen.qdr"))
            test::WriteFileBytes(folder + d.FileName, WriteDocumentBytes(d.Doc));
    }
    ASSERT_TRUE(app.session.LoadDocument(folder + QStringLiteral("06_Einzelfragen.qdr"), true));
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    window.findChild<QToolButton*>(QStringLiteral("IndividualUebungBtn"))->setFocus();
    for (int i = 0; i < 40 && !focusedCard(); ++i)
        Key(Qt::Key_Tab);
    for (int answer = 0; answer < 3; ++answer) {
        ASSERT_TRUE(focusedCard()) << answer;
        Key(Qt::Key_Space);
        EXPECT_TRUE(focusedCard() && focusedCard()->isVisible()) << answer;
    }
}

TEST_F(KeyboardRunTest, TypedAnswersAndTheirOkWithoutTheMouse) {
    app.settings.UebOpt.AbfrageModus = 3;
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    window.findChild<QToolButton*>(QStringLiteral("IndividualUebungBtn"))->setFocus();
    for (int i = 0; i < 40 && !qobject_cast<QLineEdit*>(QApplication::focusWidget()); ++i)
        Key(Qt::Key_Tab);
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_TRUE(field);
    // The fields in the order they are seen: Sonne, Baum, Haus.
    const char* answers[] = {"Sonne", "Baum", "Hund"};
    for (const char* answer : answers) {
        field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_TRUE(field);
        field->setText(QString::fromLatin1(answer));
        Key(Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), panel()->okPanel());
    Key(Qt::Key_Space);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].CorrectCount, 2);
    EXPECT_EQ(results[0].FailedAttempts, 1);
}

TEST_F(KeyboardRunTest, LearningViewFieldsAndPointsFromTheKeyboard) {
    window.findChild<QToolButton*>(QStringLiteral("LernansichtBtn"))->setFocus();
    for (int i = 0; i < 40 && !qobject_cast<KeyboardChooser*>(QApplication::focusWidget()); ++i)
        Key(Qt::Key_Backtab);
    KeyboardChooser* chooser = window.pageKeyboard()->chooser();
    ASSERT_EQ(QApplication::focusWidget(), chooser);
    // Backwards, the last place comes first: the info point at the bottom.
    EXPECT_EQ(chooser->text(), QStringLiteral("Infopunkt Tipp"));
    Key(Qt::Key_Home);
    EXPECT_EQ(chooser->text(), QStringLiteral("Abfragefeld 1, abgedeckt"));
    const ObjDataTyp& sonne = app.session.document().Object(objectOf(QStringLiteral("Sonne")));
    ASSERT_EQ(sonne.State, ObjectState::Covered);
    Key(Qt::Key_Space);
    EXPECT_EQ(sonne.State, ObjectState::Shown);
    EXPECT_EQ(chooser->text(), QStringLiteral("Abfragefeld 1: Sonne"));
    EXPECT_EQ(QApplication::focusWidget(), chooser);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(chooser);
    ASSERT_TRUE(accessible);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Abfragefeld 1: Sonne"));
    // Tab goes on past the page, not back to the controls above it.
    Key(Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    ASSERT_TRUE(next);
    EXPECT_FALSE(window.pageArea()->isAncestorOf(next));
    EXPECT_FALSE(window.titlePanel()->isAncestorOf(next));
    EXPECT_FALSE(chooser->isVisible());
}

} // namespace
} // namespace quindor
