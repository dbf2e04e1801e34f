#pragma once

#include "document/document_session.h"

#include <QImage>
#include <QString>

namespace quindor {

// The title of a sheet made from a background, a picture file or the clipboard.
QString NewSheetTitle();
// The title of a screenshot called back from the chronicle: "Tafelanschrieb " and its caption.
QString ChronicleSheetTitle(const QString& caption);

// Makes a picture the base image of an emptied document with the title, unmodified. The page
// is the picture itself (no margins), so a sheet drawn at the size of the picture area fills
// it exactly.
void InstallSheet(DocumentSession& session, const QImage& picture, const QString& title);

} // namespace quindor
