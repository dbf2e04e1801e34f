#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

namespace quindor {

// The work area of the learning view: the page of the open document (or the start picture)
// fitted into the area, and the start information panel over it while no document is open.
class PageArea : public QWidget {
    Q_OBJECT
public:
    explicit PageArea(QWidget* parent = nullptr);

    void setPage(const QImage& page);
    void setStartInformation(const QString& text);
    void setStartInformationVisible(bool visible);
    bool startInformationVisible() const { return !info_->isHidden(); }
    QLabel* startInformation() const { return info_; }
    // Where the page is drawn, in widget coordinates.
    QRect pageRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeInformation();

    QImage page_;
    QLabel* info_;
};

} // namespace quindor
