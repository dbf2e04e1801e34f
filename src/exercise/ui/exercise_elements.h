#pragma once

#include "document/picture.h"

#include <QFrame>
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

} // namespace quindor
