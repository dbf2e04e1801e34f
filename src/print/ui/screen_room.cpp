#include "print/ui/screen_room.h"

#include <QGuiApplication>
#include <QScreen>

namespace quindor {

QSize FittedToScreen(QSize wanted) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return wanted;
    // The frame of a window: its border and its title bar.
    const QSize frame(16, 48);
    return wanted.boundedTo(screen->availableGeometry().size() - frame);
}

} // namespace quindor
