#pragma once

#include "whiteboard/chronicle.h"

#include <QByteArray>

#include <vector>

namespace quindor {

// The screenshots as one PDF for the class: one landscape A4 page each, headed by its number
// and time, the picture as large as the page allows. Screenshots that can no longer be read
// are left out and counted in `missing`. Empty when no page could be made.
QByteArray ChroniclePdf(const std::vector<ChronicleEntry>& entries, int* missing = nullptr);

} // namespace quindor
