// The element panels that stand on the page rather than in the card column: the answers of
// single questions on their grid, the answer boxes and "OK"s of multiple choice beside their
// answers, the buttons of pairs beside their elements; and the basket highlight.
#include "exercise/normalised_text.h"
#include "exercise/question_run.h"
#include "exercise/ui/uebung_pan.h"
#include "layouts/choice_markers.h"
#include "layouts/cluster_layout.h"

#include "core/colour.h"
#include "core/rounding.h"

namespace quindor {

namespace {

constexpr int kCardWidth = 180;
constexpr int kCardHeight = 46;
constexpr int kPairButton = 40;

QColor MarkedButtonColour() {
    return ToQColor(MakeWinColor(255, 192, 0));
}

// An answer box carries its marker and whether it is ticked ("+") or not ("-").
QString BoxText(const ObjDataTyp& box, bool ticked) {
    return box.Cap + (ticked ? QLatin1Char('+') : QLatin1Char('-'));
}

} // namespace

bool ExercisePanel::panelsOnPage() const {
    const RunStyle style = documentType().run;
    return style == RunStyle::Questions || style == RunStyle::Choice || style == RunStyle::Pairs;
}

QPoint ExercisePanel::pageImageToPanel(QPoint point) const {
    return point - view_.geometry().ViewOrigin + pageRect().topLeft();
}

void ExercisePanel::setAnswerPlacement(const std::vector<int>& map) {
    answerPlacement_ = map;
    view_.setAnswerPlacement(map);
}

ElementPanel* ExercisePanel::addPanel(int number, QSize size) {
    auto* panel = new ElementPanel(QStringLiteral("UebElemPan%1").arg(number), this);
    panel->resize(size);
    panel->setCursor(Qt::PointingHandCursor);
    connect(panel, &ElementPanel::pressed, this, [this, number] {
        if (run_)
            run_->panelPressed(number);
    });
    connect(panel, &ElementPanel::released, this, [this, number](ElementPanel* released) {
        if (run_ && !released->isHidden())
            run_->panelReleased(number);
    });
    cards_[number] = panel;
    return panel;
}

void ExercisePanel::createPagePanels() {
    const Document& document = session_.document();
    const int side = RoundHalfEven(view_.pageImage().width() * 34.0 / 870.0);
    switch (documentType().run) {
    case RunStyle::Questions:
        for (int i = static_cast<int>(list_.size()) - 1; i >= 0; --i) {
            const ObjDataTyp& o = document.Object(list_[static_cast<size_t>(i)].CardObject);
            addPanel(i, QSize(kCardWidth, kCardHeight))->setCaption(NormaliseText(o.Cap));
        }
        break;
    case RunStyle::Choice:
        for (int i = 0; i < document.ObjectCount(); ++i) {
            const ObjDataTyp& o = document.Object(i);
            if (o.Typ == ObjectKind::ChoiceMarker) {
                ElementPanel* box = addPanel(i, QSize(side, side));
                box->setPicture(ChoiceMarkerPicture(false));
                box->setAccessibleName(BoxText(o, false));
            } else if (o.Typ == ObjectKind::ChoiceOk) {
                addPanel(i, QSize(kCardWidth, side))->setCaption(QStringLiteral("OK"));
            }
        }
        break;
    default:
        for (const QueryPair& entry : list_) {
            ElementPanel* button = addPanel(entry.TargetObject, QSize(kPairButton, kPairButton));
            button->setAccessibleName(NormaliseText(document.Object(entry.TargetObject).Cap));
            button->show();
        }
        return;
    }
    for (auto& [number, panel] : cards_)
        panel->hide();
}

void ExercisePanel::layoutPagePanels() {
    documentAreaWidth_ = width() - 155;
    composeForArea();
    const Document& document = session_.document();
    const QSize page = view_.pageImage().size();
    const int side = RoundHalfEven(page.width() * 34.0 / 870.0);
    for (auto& [number, panel] : cards_) {
        switch (documentType().run) {
        case RunStyle::Questions: {
            const auto slot = answerSlots_.find(number);
            if (slot == answerSlots_.end())
                continue;
            const QRect cell = AnswerGridCell(document.Header.EinrueckRand, page, slot->second);
            panel->setGeometry(QRect(pageImageToPanel(cell.topLeft()), cell.size()));
            break;
        }
        case RunStyle::Choice: {
            const ObjDataTyp& o = document.Object(number);
            if (o.Typ == ObjectKind::ChoiceMarker) {
                // The box stands where the answer placement puts its answer.
                const int place = number < static_cast<int>(answerPlacement_.size())
                                      ? answerPlacement_[static_cast<size_t>(number)]
                                      : number;
                const ObjDataTyp& at = document.Object(place);
                const QPoint p = pageToPanel(at.Kx, at.Ky);
                panel->setGeometry(p.x() + 10, p.y() - RoundHalfEven(side / 2.0), side, side);
            } else {
                const QPoint p = pageToPanel(o.Kx, o.Ky);
                panel->setGeometry(p.x() + 10, p.y(), kCardWidth, side);
            }
            break;
        }
        default: {
            // Beside its element, towards the other column.
            const ObjDataTyp& o = document.Object(number);
            const QPoint p = pageToPanel(o.Kx, o.Ky);
            const bool left = o.Partner > number;
            panel->setGeometry(left ? p.x() + 9 : p.x() - 50, p.y() - kPairButton / 2, kPairButton,
                               kPairButton);
            break;
        }
        }
        panel->raise();
    }
}

void ExercisePanel::presentAnswers(const std::vector<AnswerSlot>& answers) {
    answerSlots_.clear();
    for (const AnswerSlot& a : answers)
        answerSlots_[a.panel] = a.slot;
    for (auto& [number, panel] : cards_)
        panel->setVisible(answerSlots_.count(number) != 0);
    layoutPagePanels();
}

void ExercisePanel::presentChoice(int question) {
    const Document& document = session_.document();
    for (auto& [number, panel] : cards_) {
        const ObjDataTyp& o = document.Object(number);
        if (o.Typ == ObjectKind::ChoiceMarker)
            setTicked(number, false);
        panel->setVisible(o.FrageNummer == question);
    }
    layoutPagePanels();
}

void ExercisePanel::setTicked(int box, bool ticked) {
    const auto it = cards_.find(box);
    if (it == cards_.end())
        return;
    it->second->setPicture(ChoiceMarkerPicture(ticked));
    it->second->setAccessibleName(BoxText(session_.document().Object(box), ticked));
}

void ExercisePanel::setMarked(int number, bool marked) {
    const auto it = cards_.find(number);
    if (it == cards_.end())
        return;
    it->second->setFill(marked ? MarkedButtonColour() : CardFillColour());
    it->second->setText(marked ? QStringLiteral("X") : QString());
}

void ExercisePanel::showTickCount(const TickCount& ticks) {
    // Made when a run first counts ticks.
    if (!tickCount_) {
        tickCount_ = new TickCountPanel(this);
        placeTickCount();
    }
    tickCount_->setCounts(ticks);
    tickCount_->show();
    tickCount_->raise();
    tickCount_->repaint();
}

void ExercisePanel::showBasketHighlight(int basket) {
    const ClusterGeometry g = ComputeClusterGeometry(session_.header(), view_.pageImage().size());
    const int x = g.basketX(basket - 1) + 7;
    highlight_->setGeometry(
        QRect(pageImageToPanel(QPoint(x, g.top)),
              pageImageToPanel(QPoint(x + g.columnWidth - 13 - 1, g.bottomEdge + 1))));
    highlight_->show();
    highlight_->raise();
}

} // namespace quindor
