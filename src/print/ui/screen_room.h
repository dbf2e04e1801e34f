#pragma once

#include <QSize>

namespace quindor {

// A window's size as wanted, as far as the screen has room for it and for the window's frame.
QSize FittedToScreen(QSize wanted);

} // namespace quindor
