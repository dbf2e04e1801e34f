// What the run tests share: a surface that records what the run asks of the exercise panel,
// a silent sound player, and a run on a document of the test's making.
#pragma once

#include "core/messages.h"
#include "exercise/exercise_run.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <map>

namespace quindor::test {

// Records what the run asks of the panel and answers its questions from the test.
class RecordingSurface : public ExerciseSurface {
public:
    bool showSettingsDialog() override {
        calls.push_back("settings");
        return settingsAnswer;
    }
    QString askLearnerName() override { return QStringLiteral("Ada"); }
    ResultChoice showResult(const UebDataTyp& run) override {
        results.push_back(run);
        if (resultChoices.empty())
            return {};
        const ResultChoice choice = resultChoices.front();
        resultChoices.pop_front();
        return choice;
    }
    void protocolFinished(const QString& text) override { protocol = text; }
    void enterExercise() override { calls.push_back("enter"); }
    void leaveExercise() override { calls.push_back("leave"); }
    void createElementPanels(const std::vector<QueryPair>& list) override {
        panels = list.size();
        calls.push_back("create");
    }
    void setAnswerPlacement(const std::vector<int>& map) override { placement = map; }
    void removeElementPanels() override { calls.push_back("removeAll"); }
    void layoutElementPanels() override {}
    void presentCard(int listIndex) override { presented.push_back(listIndex); }
    void presentInput() override { calls.push_back("input"); }
    void presentAnswers(const std::vector<AnswerSlot>& offered) override {
        answers.push_back(offered);
    }
    void presentChoice(int question) override {
        choices.push_back(question);
        ticks.clear();
    }
    void setTicked(int box, bool on) override { ticks[box] = on; }
    void setMarked(int panel, bool on) override { marks[panel] = on; }
    void hidePanel(int listIndex) override { hidden.push_back(listIndex); }
    void hideAnswerPanels() override { ++answerPanelsHidden; }
    void removePanel(int listIndex) override { removed.push_back(listIndex); }
    void setPanelLook(int, PanelLook) override {}
    void slideHome(int listIndex) override { slid.push_back(listIndex); }
    QString fieldText(int listIndex) override { return fields[listIndex]; }
    bool fieldVisible(int) override { return true; }
    void setFieldLook(int listIndex, PanelLook look) override { fieldLooks[listIndex] = look; }
    void showBanner(Banner banner) override {
        if (banner != Banner::None)
            banners.push_back(banner);
    }
    void showTickCount(const TickCount& shown) override { tickCounts.push_back(shown); }
    void drawInstruction() override {}
    void clearHighlight() override {}
    void markTarget(int object) override { marked.push_back(object); }
    void redrawObject(int) override {}
    void redrawView() override {}
    void refreshClock(const QString& label, const QString& text, bool visible) override {
        clock = label + QLatin1Char(' ') + text;
        clockVisible = visible;
    }
    void refreshStatistics(const UebDataTyp&) override {}
    void pause(int milliseconds) override { paused += milliseconds; }

    bool settingsAnswer = true;
    std::deque<ResultChoice> resultChoices;
    std::vector<UebDataTyp> results;
    std::vector<std::string> calls;
    size_t panels = 0;
    std::vector<int> presented, hidden, removed, slid, marked;
    std::map<int, QString> fields;
    std::map<int, PanelLook> fieldLooks;
    std::vector<Banner> banners;
    std::vector<int> placement;
    std::vector<std::vector<AnswerSlot>> answers;
    std::vector<int> choices;
    std::map<int, bool> ticks;
    std::map<int, bool> marks;
    int answerPanelsHidden = 0;
    std::vector<TickCount> tickCounts;
    QString clock;
    bool clockVisible = false;
    QString protocol;
    int paused = 0;
};

class SilentPlayer : public platform::SoundPlayer {
public:
    void play(const QString& path, bool wait) override {
        played.push_back(QFileInfo(path).fileName() + (wait ? QStringLiteral(" wait") : ""));
    }
    void stop() override {}
    std::vector<QString> played;
};

class RunFixture : public ::testing::Test {
protected:
    RunFixture() {
        // The program's sounds, as files of the sound folder.
        state.SoundFolder = sounds.path() + QLatin1Char('/');
        for (const char* name : {"richtig1.wav", "falsch1.wav"}) {
            QFile file(sounds.filePath(QLatin1String(name)));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
        settings.OptUebNameEingabe = false;
        settings.UebOpt.Zuordnungstexte = 0;
        settings.UebOpt.Zuordnungsziele = 0;
    }

    // A query label at (x, y) whose card covers a small square around it.
    int label(const QString& cap, double x, double y, ObjectKind typ = ObjectKind::QueryLabel) {
        const int i = AddObject(document, {.Typ = typ,
                                           .Ebene = 1,
                                           .Cap = cap,
                                           .FrageNummer = 0,
                                           .Kx = x,
                                           .Ky = y,
                                           .KAusr = 1,
                                           .Fsize = 0});
        document.Object(i).CardRect = {x - 0.02, y - 0.02, x + 0.02, y + 0.02};
        return i;
    }
    // Drops the card of list entry `entry` on the field of object `target`.
    void drop(int entry, int target) {
        const FracRect& r = document.Object(target).CardRect;
        const QPointF mid((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        ASSERT_EQ(run.FindDropTarget(mid, QRectF(mid, QSizeF(0.01, 0.01))), target);
        run.CheckAction(entry);
    }
    int entryOfCard(int object) const {
        const auto& list = run.queryList();
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i].CardObject == object)
                return static_cast<int>(i);
        }
        return -1;
    }
    QStringList detailLines() const {
        QStringList lines = run.data().DetailLog.split(QStringLiteral("\r\n"));
        lines.removeAll(QString());
        return lines;
    }

    QTemporaryDir sounds;
    Document document;
    ProgramState state;
    Settings settings;
    RecordingMessages messages;
    SilentPlayer player;
    RecordingSurface surface;
    int64_t ticks = 1000;
    ExerciseRun run{document,
                    state,
                    settings,
                    messages,
                    player,
                    surface,
                    {[this] { return ticks; }, [] { return 46000.5; }}};
};

} // namespace quindor::test
