#pragma once

#include "document/picture.h"
#include "exercise/exercise_surface.h"

#include <QFrame>
#include <QLabel>
#include <QString>

namespace quindor {

// Fill colours of the element panels.
QColor CardFillColour();
QColor RightFillColour();
QColor WrongFillColour();
QColor InputFieldColour();

// The largest point size from 11 down to 7 at which the bold caption, word-wrapped, fits a card
// of the given size less 2 pixels on either side; 7 when none does.
int FitCardFontPoints(const QString& caption, QSize card);

// One element panel of a run ("UebElemPan" + number): a card that shows a caption or a picture,
// or the "OK" panel. Mouse presses, moves and releases with the left button are reported in
// the coordinates of the parent.
class ElementPanel : public QFrame {
    Q_OBJECT
public:
    ElementPanel(const QString& name, QWidget* parent);

    void setCaption(const QString& caption);
    // Changes the text shown only; the panel keeps its accessible name.
    void setText(const QString& text);
    void setPicture(const Picture& picture);
    void setFill(const QColor& fill);
    const QString& caption() const { return caption_; }
    bool hasPicture() const { return !picture_.isNull(); }
    // Whether the panel was pressed and moved since; false for a click.
    bool dragged() const { return dragged_; }
    QPoint home() const { return home_; }

signals:
    // localPoint: where in the panel the button went down.
    void pressed(ElementPanel* panel, QPoint localPoint);
    void moved(ElementPanel* panel, QPoint parentPoint);
    void released(ElementPanel* panel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    QImage picture_;
    QColor fill_;
    QPoint home_;
    bool dragged_ = false;
};

// "RiFaPan3": the ticks of a multiple-choice answer that was not completely right, under the
// heading "Antwort-Häkchen": right (green), wrong (red) and missing (orange).
class TickCountPanel : public QFrame {
    Q_OBJECT
public:
    explicit TickCountPanel(QWidget* parent);
    void setCounts(const TickCount& ticks);
    // The number beside "Richtig:", "Falsch:" and "Fehlend:".
    QString number(int row) const { return numbers_[static_cast<size_t>(row)]->text(); }

private:
    std::array<QLabel*, 3> numbers_{};
};

} // namespace quindor
