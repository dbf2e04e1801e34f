#pragma once

#include <QPaintDevice>
#include <QSize>
#include <QTransform>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPaintEngine;

namespace quindor {

// A page kept as the drawing commands that made it: replayed onto any painter it draws the same
// vectors, texts and pictures there, in the painter's coordinates (one unit of the page per
// unit of the painter). Pictures are shared, not copied, so keeping and replaying a page costs
// little. Copies share the commands.
class SheetPicture {
public:
    // How a replay draws: the painter's transformation it started with, and the resolution
    // (dots per inch on the painter's device) above which pictures are first reduced, 0 for
    // none.
    struct Replay {
        QTransform base;
        int pictureDpi = 0;
    };
    using Command = std::function<void(QPainter& painter, const Replay& replay)>;

    SheetPicture() = default;

    QSize size() const { return size_; }
    bool isNull() const { return !commands_; }
    // Draws the page with the painter's current transformation as its own origin and scale;
    // the painter's state is restored afterwards. With pictureDpi, pictures more than twice as
    // fine as that on the device are reduced first (files need no more than the paper shows).
    void replay(QPainter& painter, int pictureDpi = 0) const;
    // Whether two pictures are the same recording (copies of one build).
    bool sameAs(const SheetPicture& other) const { return commands_ == other.commands_; }
    std::size_t commandCount() const { return commands_ ? commands_->size() : 0; }

private:
    friend class SheetPictureDevice;
    QSize size_;
    std::shared_ptr<const std::vector<Command>> commands_;
};

// The device a page is drawn on to record it. Fonts and measures on it are those of a 96-dpi
// device, so a page is laid out alike whatever it is replayed onto later.
class SheetPictureDevice : public QPaintDevice {
public:
    explicit SheetPictureDevice(QSize size);
    ~SheetPictureDevice() override;

    QPaintEngine* paintEngine() const override;
    // The page drawn (after the painter has ended; the picture shares the commands, so nothing
    // is to be drawn on the device after this).
    SheetPicture picture() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    std::shared_ptr<std::vector<SheetPicture::Command>> commands_;
    std::unique_ptr<QPaintEngine> engine_;
};

} // namespace quindor
