// Runs of the sample questions, multiple choice, baskets and pairs in the program window,
// driven through the exercise panel's widgets. With QUINDOR_SNAPSHOTS naming a folder, the
// window is saved there as a PNG at the moments worth looking at.
#include "app/av_main.h"
#include "document/document_writer.h"
#include "exercise/ui/exercise_dialogs.h"
#include "exercise/ui/exercise_status_panel.h"
#include "layouts/cluster_layout.h"
#include "make_samples/sample_documents.h"
#include "program_window.h"
#include "support/test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace quindor {
namespace {

void SendMouse(QWidget* widget, QEvent::Type type, QPoint local) {
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void Click(QWidget* widget) {
    const QPoint centre = widget->rect().center();
    SendMouse(widget, QEvent::MouseButtonPress, centre);
    SendMouse(widget, QEvent::MouseButtonRelease, centre);
}

void Snapshot(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("QUINDOR_SNAPSHOTS");
    if (folder.isEmpty())
        return;
    // The layouts of labels whose texts changed, as the event loop would have done them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// The program window at 1100 x 800 on one of the sample documents, the run's pauses left out.
class SampleRunWindowTest : public ::testing::Test, protected test::ProgramWindow<> {
protected:
    void open(const QString& sample) {
        const QString folder = dir.path() + QLatin1Char('/');
        app.state.ProgramFolder = folder;
        app.state.SoundFolder = folder;
        for (const char* name : {"richtig1.wav", "falsch1.wav"}) {
            QFile file(folder + QLatin1String(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        for (samples::NamedDocument& d : samples::SampleDocuments()) {
            if (d.FileName != sample)
                continue;
            QFile file(folder + sample);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(WriteDocumentBytes(d.Doc));
        }
        app.settings.OptUebNameEingabe = false;
        app.settings.UebOptFragen.Zuordnungstexte = 0;
        app.settings.UebOptFragen.Zuordnungsziele = 0;
        window.resize(1100, 800);
        window.show();
        window.FirstActivation({folder + sample});
        ASSERT_EQ(document().Header.FileName, folder + sample);
        window.setExerciseDialogs([] { return true; }, [] { return QString(); },
                                  [this](const UebDataTyp& run) {
                                      results.push_back(run);
                                      return showResult(run);
                                  });
        panel()->setPauseScale(0);
    }

    // The result window as the learner sees it, left at once.
    ResultChoice showResult(const UebDataTyp& run) {
        QTimer::singleShot(0, [this] {
            if (QWidget* result = QApplication::activeModalWidget()) {
                Snapshot(result, snapshotPrefix + QStringLiteral("-ergebnis"));
                result->close();
            }
        });
        return ShowResultWindow(&window, run, Participation::Individual,
                                document().Header.DokTyp == DocumentType::MultipleChoice,
                                QStringLiteral("Benötigte Zeit:"), QStringLiteral("00:07"));
    }

    ExercisePanel* panel() const { return window.exercisePanel(); }
    const Document& document() const { return app.session.document(); }
    ExerciseRun& run() { return window.exerciseRun(); }
    ElementPanel* element(int number) const {
        return panel()->findChild<ElementPanel*>(QStringLiteral("UebElemPan%1").arg(number));
    }
    std::vector<ElementPanel*> visibleElements() const {
        std::vector<ElementPanel*> shown;
        for (ElementPanel* e : panel()->findChildren<ElementPanel*>()) {
            if (e->isVisible())
                shown.push_back(e);
        }
        return shown;
    }
    int asked() {
        return run().queryList()[static_cast<size_t>(run().data().CurrentIndex)].TargetObject;
    }
    // Whether a panel lies on the page left of the card column.
    bool onThePage(const QWidget* w) const {
        return w->geometry().left() >= 0 && w->geometry().right() < panel()->documentAreaWidth();
    }

    void multipleChoiceRun(const QString& sample, const QString& prefix);

    std::vector<UebDataTyp> results;
    QString snapshotPrefix;
};

TEST_F(SampleRunWindowTest, SingleQuestionsOnTheAnswerGrid) {
    open(QStringLiteral("06_Einzelfragen.qdr"));
    snapshotPrefix = QStringLiteral("einzelfragen");
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    EXPECT_EQ(panel()->documentAreaWidth(), panel()->width() - 155);
    // Five questions with five different answers: all five offered, on the page, three a row.
    std::vector<ElementPanel*> offered = visibleElements();
    ASSERT_EQ(offered.size(), 5u);
    for (ElementPanel* answer : offered)
        EXPECT_TRUE(onThePage(answer)) << answer->caption().toStdString();
    EXPECT_EQ(element(0)->y(), element(2)->y());
    EXPECT_GT(element(3)->y(), element(0)->y());
    EXPECT_EQ(element(3)->x(), element(0)->x());
    Snapshot(&window, QStringLiteral("einzelfragen-lauf"));

    for (int step = 0; step < 6 && app.state.ViewMode == Mode::Exercise; ++step) {
        // The first question answered wrongly once, then every question rightly.
        int right = -1, wrong = -1;
        for (int i = 0; i < 5; ++i) {
            (run().queryList()[static_cast<size_t>(i)].CardObject == asked() ? right : wrong) = i;
        }
        Click(element(step == 0 ? wrong : right));
    }
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].CorrectCount, 5);
    EXPECT_EQ(results[0].FailedAttempts, 1);
    EXPECT_EQ(app.state.ViewMode, Mode::Learning);
}

// Ticks the boxes of the first question shown and judges them (partly right when the question
// has two correct answers or more), then answers every question rightly.
void SampleRunWindowTest::multipleChoiceRun(const QString& sample, const QString& prefix) {
    open(sample);
    snapshotPrefix = prefix;
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    EXPECT_EQ(panel()->documentAreaWidth(), panel()->width() - 155);
    // Only the boxes and the "OK" of the question asked; each box beside its answer.
    const int question = app.state.CurrentQuestion;
    std::vector<int> right, wrong;
    int ok = -1;
    for (int i = 0; i < document().ObjectCount(); ++i) {
        const ObjDataTyp& o = document().Object(i);
        if (!element(i))
            continue;
        EXPECT_EQ(element(i)->isVisible(), o.FrageNummer == question) << i;
        if (o.FrageNummer != question)
            continue;
        if (o.Typ == ObjectKind::ChoiceOk) {
            ok = i;
        } else {
            (o.Cap == QStringLiteral("+") ? right : wrong).push_back(i);
            EXPECT_EQ(element(i)->accessibleName(), o.Cap + QLatin1Char('-'));
            const QPoint point = panel()->pageToPanel(o.Kx, o.Ky);
            EXPECT_EQ(element(i)->x(), point.x() + 10);
            EXPECT_NEAR(element(i)->geometry().center().y(), point.y(), 1);
            EXPECT_TRUE(onThePage(element(i)));
        }
    }
    ASSERT_GE(ok, 0);
    ASSERT_FALSE(right.empty());
    ASSERT_FALSE(wrong.empty());
    // Ticking changes the box only.
    Click(element(wrong[0]));
    Click(element(right[0]));
    EXPECT_TRUE(element(right[0])->accessibleName().endsWith(QLatin1Char('+')));
    Click(element(wrong[0]));
    EXPECT_TRUE(element(wrong[0])->accessibleName().endsWith(QLatin1Char('-')));
    EXPECT_EQ(run().data().CorrectCount + run().data().FailedAttempts, 0);
    Snapshot(&window, prefix + QStringLiteral("-angekreuzt"));

    // Partly right: the tick counts stand in the card column during the long pause.
    bool countsShown = false;
    panel()->setPauseWatcher([&](int milliseconds) {
        if (milliseconds != 1900)
            return;
        countsShown = panel()->tickCountPanel() && panel()->tickCountPanel()->isVisible();
        Snapshot(&window, prefix + QStringLiteral("-haekchen"));
    });
    if (right.size() >= 2) {
        Click(element(ok));
        EXPECT_TRUE(countsShown);
        EXPECT_LT(run().data().CorrectCount, 1.0);
        EXPECT_GT(run().data().CorrectCount, 0.0);
    }
    const QWidget* counts = panel()->tickCountPanel();
    EXPECT_TRUE(!counts || !counts->isVisible());
    panel()->setPauseWatcher({});

    // Every question answered rightly from here on.
    for (int step = 0; step < 20 && app.state.ViewMode == Mode::Exercise; ++step) {
        const int asking = app.state.CurrentQuestion;
        int confirm = -1;
        for (int i = 0; i < document().ObjectCount(); ++i) {
            const ObjDataTyp& o = document().Object(i);
            if (!element(i) || o.FrageNummer != asking)
                continue;
            if (o.Typ == ObjectKind::ChoiceOk)
                confirm = i;
            else if (o.Cap == QStringLiteral("+"))
                Click(element(i));
        }
        Click(element(confirm));
    }
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].OpenCount, 0);
    EXPECT_EQ(app.state.ViewMode, Mode::Learning);
    EXPECT_EQ(countsShown, right.size() >= 2);
}

TEST_F(SampleRunWindowTest, MultipleChoiceWithTextAnswers) {
    multipleChoiceRun(QStringLiteral("07_Verkehrszeichen-Quiz.qdr"),
                      QStringLiteral("multiple-choice"));
}

TEST_F(SampleRunWindowTest, MultipleChoiceWithPictureAnswersPartlyRight) {
    multipleChoiceRun(QStringLiteral("08_Bilder-Quiz.qdr"), QStringLiteral("bilder-quiz"));
}

// Multiple-choice counts have two decimals; the status panel beside the page must still show
// every label whole, with the widest values a run can reach.
TEST_F(SampleRunWindowTest, StatusLabelsStayWholeWithMultipleChoiceCounts) {
    open(QStringLiteral("07_Verkehrszeichen-Quiz.qdr"));
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    auto* status = window.findChild<QFrame*>(QStringLiteral("UebStatusPan"));
    ASSERT_NE(status, nullptr);
    UebDataTyp wide = run().data();
    wide.RunQueries = 99;
    wide.CorrectCount = 98.75;
    wide.FailedAttempts = 99.25;
    wide.SuccessQuota = 1;
    wide.TotalPerformance = 1;
    static_cast<ExerciseStatusPanel*>(status)->setStatistics(wide, Participation::Individual, true);
    QCoreApplication::processEvents();
    status->layout()->activate();
    for (QLabel* label : status->findChildren<QLabel*>()) {
        if (!label->isVisible())
            continue;
        const std::string text = label->text().toStdString();
        EXPECT_LE(label->geometry().right(), status->contentsRect().right()) << text;
        // A value may break into lines, but every line shows; a label stays on one line.
        if (label->wordWrap())
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << text;
        else
            EXPECT_GE(label->width(), label->sizeHint().width()) << text;
    }
}

TEST_F(SampleRunWindowTest, CardsIntoHighlightedBaskets) {
    open(QStringLiteral("09_Sortieren.qdr"));
    snapshotPrefix = QStringLiteral("cluster");
    // A picture card whose picture is missing stays blank rather than name its basket.
    std::vector<ObjDataTyp>& objects = app.session.document().Objects;
    const auto missing = std::find_if(objects.begin(), objects.end(), [](const ObjDataTyp& o) {
        return o.Typ == ObjectKind::ClusterPicture;
    });
    ASSERT_NE(missing, objects.end());
    missing->Picture.clear();
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    for (const ElementPanel* e : panel()->findChildren<ElementPanel*>())
        EXPECT_FALSE(e->caption().contains(QStringLiteral("Bildkennung")));
    const HeaderDataTyp& h = document().Header;
    const FracRect& m = h.EinrueckRand;
    const double basketWidth = (1 - m.Left - m.Right) / h.Spalten;
    for (int step = 0; step < 40 && app.state.ViewMode == Mode::Exercise; ++step) {
        // The top card of the stack, first into the basket right of its own, then into its own.
        ElementPanel* card = nullptr;
        for (ElementPanel* e : visibleElements()) {
            if (!card || e->y() < card->y())
                card = e;
        }
        ASSERT_TRUE(card);
        const int entry = card->objectName().mid(10).toInt();
        const int object = run().queryList()[static_cast<size_t>(entry)].CardObject;
        const int own = document().Object(object).BildKenn.mid(5).toInt();
        for (const int basket : {own % h.Spalten + 1, own}) {
            if (step > 0 && basket != own)
                continue;
            const QPoint centre = panel()->pageToPanel(m.Left + (basket - 0.5) * basketWidth, 0.5);
            const QPoint grip(10, 10);
            SendMouse(card, QEvent::MouseButtonPress, grip);
            const QPoint topLeft = centre - QPoint(card->width() / 2, card->height() / 2);
            SendMouse(card, QEvent::MouseMove, topLeft + grip - card->pos());
            // The basket under the card's centre is framed.
            const ClusterGeometry g = ComputeClusterGeometry(h, app.view.pageImage().size());
            ASSERT_TRUE(panel()->highlight()->isVisible());
            EXPECT_EQ(panel()->highlight()->width(), g.columnWidth - 13);
            EXPECT_LT(panel()->highlight()->geometry().left(), centre.x());
            EXPECT_GT(panel()->highlight()->geometry().right(), centre.x());
            if (step == 0 && basket == own)
                Snapshot(&window, QStringLiteral("cluster-korb"));
            SendMouse(card, QEvent::MouseButtonRelease, grip);
            if (basket != own) {
                EXPECT_EQ(run().data().FailedAttempts, 1);
                // Back where its drag began.
                EXPECT_TRUE(card->isVisible());
            }
        }
    }
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].CorrectCount, results[0].RunQueries);
    EXPECT_EQ(results[0].FailedAttempts, 1);
}

TEST_F(SampleRunWindowTest, PairsJoinedByTheirLine) {
    open(QStringLiteral("10_Zuordnen.qdr"));
    snapshotPrefix = QStringLiteral("paare");
    window.IndividualExerciseCommand();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    EXPECT_EQ(panel()->documentAreaWidth(), panel()->width() - 155);
    ASSERT_EQ(visibleElements().size(), 12u);
    for (ElementPanel* button : visibleElements())
        EXPECT_TRUE(onThePage(button));
    Snapshot(&window, QStringLiteral("paare-lauf"));
    // Pair by pair from the left: the left element, then its partner.
    for (int i = 0; i < document().ObjectCount() && app.state.ViewMode == Mode::Exercise; ++i) {
        const ObjDataTyp& o = document().Object(i);
        if (o.Partner <= i || !element(i))
            continue;
        const int partner = o.Partner;
        Click(element(i));
        EXPECT_EQ(element(i)->caption(), QStringLiteral("X"));
        Click(element(partner));
        EXPECT_FALSE(element(i)->isVisible());
        EXPECT_FALSE(element(partner)->isVisible());
        if (run().data().CorrectCount == 3) {
            EXPECT_EQ(document().Object(partner).Sline, 5);
            Snapshot(&window, QStringLiteral("paare-verbunden"));
        }
    }
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].CorrectCount, 6);
    EXPECT_EQ(app.state.ViewMode, Mode::Learning);
}

// The dialogs of the question, cluster and pair families: what they offer for the document
// and what a run takes from them.
TEST(QuestionOptionsDialogTest, FamiliesOfQuestionsBasketsAndPairs) {
    Settings settings;
    const auto show = [](ExerciseOptionsDialog& dialog, DocumentType type,
                         const std::function<void()>& look) {
        QTimer::singleShot(0, &dialog, [&dialog, look] {
            look();
            dialog.accept();
        });
        return dialog.showFor(type);
    };
    ExerciseOptionsDialog questions(OptionsFamily::Questions, settings);
    EXPECT_EQ(questions.objectName(), QStringLiteral("TUebOptFragenForm"));
    auto* order = questions.findChild<RadioGroup*>(QStringLiteral("Zuordnungstexte"));
    ASSERT_TRUE(order);
    EXPECT_TRUE(show(questions, DocumentType::MultipleChoice, [&] {
        EXPECT_EQ(order->item(0)->text(), QStringLiteral(" Wie vorgegeben geordnet "));
        questions.findChild<RadioGroup*>(QStringLiteral("ZuordnungFalsch"))->item(1)->click();
    }));
    show(questions, DocumentType::Questions,
         [&] { EXPECT_EQ(order->item(0)->text(), QStringLiteral(" Alphabetisch geordnet ")); });
    EXPECT_EQ(settings.UebOptFragen.ZuordnungFalsch, 1);

    ExerciseOptionsDialog baskets(OptionsFamily::Cluster, settings);
    EXPECT_EQ(baskets.windowTitle(), QStringLiteral("Übungseinstellungen für Cluster-Übung"));
    auto* mode = baskets.findChild<RadioGroup*>(QStringLiteral("AbfrageModus"));
    ASSERT_TRUE(mode);
    show(baskets, DocumentType::Cluster, [&] {
        mode->item(1)->click();
        const QList<QLabel*> labels = mode->findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels[0]->text(),
                  QStringLiteral("Bei der Einzelabfrage werden Texte/Bilder einzeln vorgegeben."));
    });
    EXPECT_EQ(settings.UebOptKorb.AbfrageModus, 1);

    ExerciseOptionsDialog pairs(OptionsFamily::CrossMatching, settings);
    EXPECT_EQ(pairs.windowTitle(), QStringLiteral("Übungseinstellungen für Über-Kreuz-Zuordnung"));
    EXPECT_FALSE(pairs.findChild<RadioGroup*>(QStringLiteral("AbfrageModus")));
}

} // namespace
} // namespace quindor
