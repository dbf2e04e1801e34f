#include "links/link_targets.h"

#include <QDir>
#include <QFileInfo>

namespace quindor {

QString ProductWebAddress() {
    return QStringLiteral("https://www.quindor.de/");
}

QString TopicPackagesWebAddress() {
    return QStringLiteral("https://www.quindor.de/themenpakete/");
}

bool IsWebAddress(const QString& target) {
    return target.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           target.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

bool IsFolderLink(const QString& caption) {
    return caption.endsWith(u'\\') || caption.endsWith(u'/');
}

QString LocalLinkPath(const QString& target) {
    return QString(target).replace(u'\\', u'/');
}

QString ResolveLinkTarget(const QString& target, const QString& documentFile,
                          const ProgramState& state) {
    if (IsWebAddress(target) || target.isEmpty())
        return target;
    const QString local = LocalLinkPath(target);
    const QString documentFolder =
        documentFile.isEmpty() ? QString() : QFileInfo(documentFile).path() + u'/';
    for (const QString& folder :
         {QString(), documentFolder, state.StartFolder, state.ProgramFolder}) {
        const QString path = QDir::current().absoluteFilePath(LocalLinkPath(folder) + local);
        if (QFileInfo::exists(path))
            return path;
    }
    return target;
}

} // namespace quindor
