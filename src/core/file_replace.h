#pragma once

#include <QByteArray>
#include <QString>

namespace quindor {

// Writes a whole file by renaming a complete copy over it: a failure never leaves a
// half-written file where a good one stood. False when anything failed.
bool ReplaceFileContent(const QString& path, const QByteArray& bytes);

} // namespace quindor
