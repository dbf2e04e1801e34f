#include "links/link_opener.h"

#include "links/link_targets.h"

#include <QDir>
#include <QFileInfo>

namespace quindor {

namespace {

QString Quoted(const QString& text) {
    return u'"' + text + u'"';
}

} // namespace

bool LinkOpener::openExternalLink(const QString& target) {
    if (shell_.open(ResolveLinkTarget(target, session_.header().FileName, state_)))
        return true;
    messages_.error(QStringLiteral("Die Datei oder Internet-Adresse ") + Quoted(target) +
                    QStringLiteral(" kann nicht geöffnet werden."));
    return false;
}

bool LinkOpener::openWebPage(const QString& address) {
    if (shell_.open(address))
        return true;
    messages_.error(QStringLiteral("Die Datei ") + Quoted(address) +
                    QStringLiteral(" kann nicht geöffnet werden. Sie benötigen einen Webbrowser "
                                   "(z.B. Firefox) um dieses Dokument anzusehen."));
    return false;
}

bool LinkOpener::openPictureLink(const QString& caption) {
    return caption.endsWith(QLatin1String(".qdr"), Qt::CaseInsensitive) ? openDocumentLink(caption)
                                                                        : openExternalLink(caption);
}

bool LinkOpener::openDocumentLink(const QString& caption) {
    if (leaveActivity_ && !leaveActivity_())
        return false;
    if (!session_.mayReplaceDocument())
        return false;
    if (IsFolderLink(caption))
        return openFolderLink(caption);
    const QString path = ResolveLinkTarget(caption, session_.header().FileName, state_);
    if (!QFileInfo(path).isFile()) {
        messages_.error(QStringLiteral("Die Datei ") + Quoted(caption) +
                        QStringLiteral(" existiert nicht."));
        return false;
    }
    if (!session_.LoadDocument(path, true))
        return false;
    topics_.ReadTopicList();
    return true;
}

bool LinkOpener::openFolderLink(const QString& caption) {
    const QString local = LocalLinkPath(caption);
    // The folder as given (against the current directory), else below the topic folder.
    QString folder;
    for (const QString& candidate : {QDir::current().absoluteFilePath(local),
                                     QDir(LocalLinkPath(state_.CurrentFolder)).filePath(local)}) {
        if (QFileInfo(candidate).isDir()) {
            folder = QDir::cleanPath(candidate);
            break;
        }
    }
    // A folder that is not there would close the document for the start page of the folder
    // shown before.
    if (folder.isEmpty()) {
        messages_.error(QStringLiteral("Der Ordner ") + Quoted(caption) +
                        QStringLiteral(" existiert nicht."));
        return false;
    }
    state_.CurrentFolder = QDir::toNativeSeparators(folder) + QDir::separator();
    // With no document open, the open dialog starts in the new topic folder; closing rereads
    // the topic list there.
    session_.CloseDocument();
    return true;
}

} // namespace quindor
