#include "editor/document_saving.h"

#include <QDir>
#include <QFileInfo>

namespace quindor {

QString FileNameOfTitle(const QString& titel) {
    QString name;
    for (const QChar c : titel.trimmed())
        name += QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 32 ? QChar(u'_') : c;
    return (name.isEmpty() ? QStringLiteral("Neues Dokument") : name) + QStringLiteral(".qdr");
}

bool DocumentSaving::writable(const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && file.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

bool DocumentSaving::save() {
    const QString& fileName = session_.header().FileName;
    if (!writable(fileName))
        return saveAs();
    return write(fileName);
}

bool DocumentSaving::saveAs() {
    const QString path = askFileName();
    return !path.isEmpty() && write(path);
}

QString DocumentSaving::askFileName() {
    const HeaderDataTyp& h = session_.header();
    const QString start = !h.FileName.isEmpty()
                              ? h.FileName
                              : QDir(state_.CurrentFolder).filePath(FileNameOfTitle(h.Titel));
    QString path = pickers_.saveFile(QStringLiteral("Dokument speichern"),
                                     QStringLiteral("Quindor-Dokument (*.qdr)|*.qdr"),
                                     QStringLiteral("qdr"), start);
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".qdr"), Qt::CaseInsensitive))
        path += QStringLiteral(".qdr");
    return path;
}

bool DocumentSaving::write(const QString& path) {
    if (!session_.WriteDocument(path, true))
        return false;
    QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    state_.CurrentFolder = folder;
    topics_.ReadTopicList();
    return true;
}

} // namespace quindor
