#pragma once

#include "exercise/exercise_surface.h"
#include "view/view_composer.h"

namespace quindor {

// A run without a window: redraws go to the view's pictures, the dialogs are answered at once
// (settings confirmed, no name, the result window left), and nothing else is shown. Serves
// measuring and checking runs automatically; fieldText gives what a learner would have typed.
class HeadlessSurface : public ExerciseSurface {
public:
    HeadlessSurface(ViewComposer& view, QSize pictureArea) : view_(view), area_(pictureArea) {}

    // The results of the runs that ended, in order.
    const std::vector<UebDataTyp>& results() const { return results_; }

    bool showSettingsDialog() override { return true; }
    QString askLearnerName() override { return QString(); }
    ResultChoice showResult(const UebDataTyp& run) override {
        results_.push_back(run);
        return {};
    }
    void protocolFinished(const QString& protocol) override { protocol_ = protocol; }
    const QString& protocol() const { return protocol_; }
    void enterExercise() override { fresh_ = true; }
    void leaveExercise() override {}
    void createElementPanels(const std::vector<QueryPair>&) override {}
    void setAnswerPlacement(const std::vector<int>& map) override { view_.setAnswerPlacement(map); }
    void removeElementPanels() override {}
    void layoutElementPanels() override {}
    void presentCard(int) override {}
    void presentInput() override {}
    void presentAnswers(const std::vector<AnswerSlot>&) override {}
    void presentChoice(int) override {}
    void setTicked(int, bool) override {}
    void setMarked(int, bool) override {}
    void hidePanel(int) override {}
    void hideAnswerPanels() override {}
    void removePanel(int) override {}
    void setPanelLook(int, PanelLook) override {}
    void slideHome(int) override {}
    QString fieldText(int) override { return QString(); }
    bool fieldVisible(int) override { return true; }
    void setFieldLook(int, PanelLook) override {}
    void showBanner(Banner) override {}
    void showTickCount(const TickCount&) override {}
    void drawInstruction() override {}
    void clearHighlight() override {}
    void markTarget(int) override {}
    void redrawObject(int object) override { view_.RedrawObject(object); }
    // As the exercise panel does: the whole page when the run begins or the area changed, else
    // the objects on it.
    void redrawView() override {
        if (fresh_ || view_.pictureArea() != area_)
            view_.ComposeView(area_);
        else
            view_.RecomposeObjects();
        fresh_ = false;
    }
    void refreshClock(const QString&, const QString&, bool) override {}
    void refreshStatistics(const UebDataTyp&) override {}
    void pause(int) override {}

private:
    ViewComposer& view_;
    QSize area_;
    bool fresh_ = true;
    std::vector<UebDataTyp> results_;
    QString protocol_;
};

} // namespace quindor
