#pragma once

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <optional>

namespace quindor {

// Drawn over the picture area, never into the picture: the crosshair of the area tool and the
// outline of the chosen area. The mouse passes through it.
class PageOverlay : public QWidget {
    Q_OBJECT
public:
    explicit PageOverlay(QWidget* area);

    // Where the crosshair lines cross, in the overlay's coordinates; none hides them.
    void setCrosshair(std::optional<QPoint> point);
    // The area's outline, in the overlay's coordinates; an empty rectangle hides it.
    void setArea(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<QPoint> crosshair_;
    QRect area_;
};

// The label above the chosen area with its corners and size; dragging it moves the area.
class AreaLabel : public QLabel {
    Q_OBJECT
public:
    explicit AreaLabel(QWidget* parent);

signals:
    void dragged(QPoint delta);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint anchor_;
};

// The text tool's field ("TexteingabeEdit"): one line in the pen colour, as wide as its text
// plus a margin, kept inside the picture area. Enter takes the text, Escape drops it.
class TextInputField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextInputField(QWidget* area);

    // Opens the field with its lower-left corner at the point (in the area's coordinates).
    void place(QPoint lowerLeft, const QFont& font, const QColor& colour, int margin, int maxWidth);
    // Where the text's top-left corner shows, in the area's coordinates.
    QPoint textOrigin() const;
    void setColour(const QColor& colour);
    void dismiss();

signals:
    void entered(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fit();

    int margin_ = 35;
    int maxWidth_ = 0;
    QPoint lowerLeft_;
};

} // namespace quindor
