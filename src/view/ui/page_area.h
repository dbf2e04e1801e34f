#pragma once

#include <QCursor>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <optional>

namespace quindor {

// The picture area of the learning view: shows the display picture of the view (centred across,
// right under the title strip), the start information panel over it while no document is
// open, and reports mouse actions in display-picture coordinates.
class PageArea : public QWidget {
    Q_OBJECT
public:
    explicit PageArea(QWidget* parent = nullptr);

    // Shows the picture in place: it is not copied, so the tools draw into it without copying
    // it either. It must outlive the area or be replaced first.
    void setPage(const QImage& display);
    // Shows a changed part of the picture again (display-picture coordinates).
    void updateDisplayRect(const QRect& rect);
    void setStartInformation(const QString& text);
    void setStartInformationVisible(bool visible);
    bool startInformationVisible() const { return !info_->isHidden(); }
    QLabel* startInformation() const { return info_; }
    // Where the page is drawn, in widget coordinates.
    QRect pageRect() const;
    QPoint toDisplay(QPoint widgetPoint) const { return widgetPoint - pageRect().topLeft(); }

signals:
    void pressed(QPoint displayPoint, Qt::MouseButton button);
    void dragged(QPoint from, QPoint to);
    void hovered(QPoint displayPoint);
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void placeInformation();

    const QImage* page_ = nullptr;
    QLabel* info_;
    bool dragging_ = false;
    QPoint dragAnchor_;
    // The tool's cursor, given back when the drag ends; none for the standard cursor.
    std::optional<QCursor> cursorBeforeDrag_;
};

} // namespace quindor
