#pragma once

#include "document/document_session.h"
#include "exercise/exercise_run.h"
#include "exercise/exercise_surface.h"
#include "exercise/ui/exercise_elements.h"
#include "view/view_composer.h"

#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <functional>
#include <map>

namespace quindor {

// The exercise panel ("UebungPan"): over the card area during a run, it shows the page of the
// document view at its left and the card column at its right with the instruction, the banner
// and the element panels, and turns the learner's drags and clicks into the run's checks.
class ExercisePanel : public QWidget, public ExerciseSurface {
    Q_OBJECT
public:
    // What the panel leaves to the window: the dialogs around a run and the window's own
    // controls.
    // What a run asks the learner in the window's dialogs; each has one answer.
    struct Dialogs {
        std::function<bool()> settings;
        std::function<QString()> learnerName;
        std::function<ResultChoice(const UebDataTyp&)> result;
    };

    ExercisePanel(DocumentSession& session, ProgramState& state, ViewComposer& view,
                  QWidget* parent);

    void setRun(ExerciseRun* run) { run_ = run; }
    void setDialogs(Dialogs dialogs) { dialogs_ = std::move(dialogs); }
    void setCardCursor(const QCursor& cursor) { cardCursor_ = cursor; }
    // Pauses and the snap-back last this share of their time (tests: 0).
    void setPauseScale(double scale) { pauseScale_ = scale; }
    // Called at every feedback pause with its length, once the panel shows what the pause is
    // for (tests look at the panel then).
    void setPauseWatcher(std::function<void(int)> watcher) { pauseWatcher_ = std::move(watcher); }
    int documentAreaWidth() const { return documentAreaWidth_; }
    // The element panel named by a number (a card, answer or input field by its list entry, an
    // answer box, "OK" or pair button by its object), null when none.
    QWidget* elementPanel(int panel) const;
    QWidget* okPanel() const { return ok_; }
    // The tick counts of a multiple-choice answer ("RiFaPan3"); null until a run first shows
    // them.
    QWidget* tickCountPanel() const { return tickCount_; }
    QWidget* highlight() const { return highlight_; }
    // Where a page point (fractions) lies on the panel.
    QPoint pageToPanel(double fx, double fy) const;
    QPointF panelToPage(QPointF point) const;

    // ExerciseSurface
    bool showSettingsDialog() override;
    QString askLearnerName() override;
    ResultChoice showResult(const UebDataTyp& run) override;
    void protocolFinished(const QString& protocol) override;
    void enterExercise() override;
    void leaveExercise() override;
    void createElementPanels(const std::vector<QueryPair>& list) override;
    void setAnswerPlacement(const std::vector<int>& map) override;
    void removeElementPanels() override;
    void layoutElementPanels() override;
    void presentCard(int listIndex) override;
    void presentInput() override;
    void presentAnswers(const std::vector<AnswerSlot>& answers) override;
    void presentChoice(int question) override;
    void setTicked(int box, bool ticked) override;
    void setMarked(int panel, bool marked) override;
    void hidePanel(int panel) override;
    void hideAnswerPanels() override;
    void removePanel(int panel) override;
    void setPanelLook(int panel, PanelLook look) override;
    void slideHome(int listIndex) override;
    QString fieldText(int listIndex) override;
    bool fieldVisible(int listIndex) override;
    void setFieldLook(int listIndex, PanelLook look) override;
    void showBanner(Banner banner) override;
    void showTickCount(const TickCount& ticks) override;
    void drawInstruction() override;
    void clearHighlight() override;
    void markTarget(int object) override;
    void redrawObject(int object) override;
    void redrawView() override;
    void refreshClock(const QString& label, const QString& text, bool visible) override;
    void refreshStatistics(const UebDataTyp& run) override;
    void pause(int milliseconds) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // What the window shows beside the panel: a run began or ended, its clock and counters
    // changed, its protocol is complete, the page was clicked at a display point (points
    // released for exercises open).
    void entered();
    void left();
    void clockChanged(const QString& label, const QString& text, bool visible);
    void statisticsChanged(const UebDataTyp& run);
    void protocolCompleted(const QString& protocol);
    void pageClicked(QPoint point);

private:
    const DocumentTypeRow& documentType() const;
    // Whether the element panels stand on the page (answers, answer boxes, pair buttons)
    // rather than in the card column.
    bool panelsOnPage() const;
    QueryMode queryMode() const;
    QRect pageRect() const;
    void stackCards();
    void layoutInputFields(bool firstTime);
    void placeSingleCard(ElementPanel* card);
    // The panels that stand on the page: created, and laid out where the page shows now.
    ElementPanel* addPanel(int number, QSize size);
    void createPagePanels();
    void layoutPagePanels();
    // The view drawn for the document area as it is now (a full composition only when the area
    // changed or the run has just begun).
    void composeForArea();
    QPoint pageImageToPanel(QPoint point) const;
    void cardPressed(ElementPanel* card, QPoint local);
    void cardMoved(ElementPanel* card, QPoint parentPoint);
    void cardReleased(ElementPanel* card);
    void showHighlight(int object);
    void showBasketHighlight(int basket);
    // The tick counts of multiple choice stand beside the page, under the banner.
    void placeTickCount();
    // The card column's instruction, and the top of the banners below it.
    QRect instructionRect() const;
    int bannerTop() const;
    int numberOf(const QWidget* panel) const;

    DocumentSession& session_;
    ProgramState& state_;
    ViewComposer& view_;
    ExerciseRun* run_ = nullptr;
    Dialogs dialogs_;
    QCursor cardCursor_;
    double pauseScale_ = 1.0;
    std::function<void(int)> pauseWatcher_;
    int documentAreaWidth_ = 0;
    std::vector<QueryPair> list_;
    // Element panels by the number of their name.
    std::map<int, ElementPanel*> cards_;
    std::map<int, QLineEdit*> fields_;
    ElementPanel* ok_ = nullptr;
    // Single questions: the grid place of every answer offered.
    std::map<int, int> answerSlots_;
    std::vector<int> answerPlacement_;
    QLabel* banner_;
    TickCountPanel* tickCount_ = nullptr;
    QWidget* highlight_;
    QSize composedArea_;
    bool freshView_ = true;
    int marked_ = -1;
    int singleCard_ = -1;
    bool inputShown_ = false;
    QPoint pressOffset_;
};

} // namespace quindor
