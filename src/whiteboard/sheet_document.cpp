#include "whiteboard/sheet_document.h"

namespace quindor {

QString NewSheetTitle() {
    return QStringLiteral("Neuer Tafelanschrieb");
}

QString ChronicleSheetTitle(const QString& caption) {
    return QStringLiteral("Tafelanschrieb ") + caption;
}

void InstallSheet(DocumentSession& session, const QImage& picture, const QString& title) {
    session.ClearDocument();
    Document& document = session.document();
    document.BaseImage.Image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    document.BaseImage.Blended = picture.hasAlphaChannel();
    document.BaseImage.Linear = true;
    document.Header.Titel = title;
    document.Header.Modified = false;
}

} // namespace quindor
