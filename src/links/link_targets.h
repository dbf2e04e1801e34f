#pragma once

#include "core/program_state.h"

#include <QString>

namespace quindor {

// The product's web site (the web-site menu entry, the logo, the mail text) and the page of
// its topic packages (the second logo).
QString ProductWebAddress();
QString TopicPackagesWebAddress();

// A web address ("http://" or "https://" in any case), opened as it stands.
bool IsWebAddress(const QString& target);

// A caption that ends with a backslash (or a slash) names a folder.
bool IsFolderLink(const QString& caption);

// The target as a path of this system: the backslashes of documents written on Windows
// become slashes.
QString LocalLinkPath(const QString& target);

// Where a link target lies. A web address stays as it is; otherwise the first of these that
// exists: the target against the current directory, against the folder of the open document
// (documentFile, empty without one), against StartFolder, against ProgramFolder. When none
// exists the target is returned unchanged.
QString ResolveLinkTarget(const QString& target, const QString& documentFile,
                          const ProgramState& state);

} // namespace quindor
