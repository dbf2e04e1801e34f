#pragma once

#include <QByteArray>
#include <QString>

namespace quindor {

// Writes a whole file by renaming a complete copy over it: a failure never leaves a
// half-written file where a good one stood. False when anything failed.
bool ReplaceFileContent(const QString& path, const QByteArray& bytes);

// Writes a file that must not exist yet: a complete copy beside it takes its name only while
// the name is free, so no file is ever replaced and none is ever half-written under the name.
// The file gets the mode of any new file (the user's umask applies). False when anything
// failed or the name is taken.
bool WriteNewFile(const QString& path, const QByteArray& bytes);

} // namespace quindor
