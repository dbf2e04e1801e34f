#include "editor/recovery_copy.h"

#include "core/file_replace.h"
#include "document/document_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace quindor {

namespace {

// The copy starts with this line and the line of the document's own file, then the document as
// a document file holds it.
const QByteArray kMagic = QByteArrayLiteral("QUINDOR-WIEDERHERSTELLUNG-1\n");

} // namespace

QString RecoveryCopy::path() const {
    return folder_.isEmpty() ? QString()
                             : QDir(folder_).filePath(QStringLiteral("Wiederherstellung.qdr"));
}

bool RecoveryCopy::exists() const {
    return !folder_.isEmpty() && QFileInfo(path()).isFile();
}

bool RecoveryCopy::write(const Document& document, const std::function<void(Document&)>& prepare) {
    if (folder_.isEmpty() || !QDir().mkpath(folder_))
        return false;
    // A copy to write: the writer normalises what it writes, and the open document stays as
    // the teacher left it.
    Document copy = document;
    if (prepare)
        prepare(copy);
    const QByteArray bytes = WriteDocumentBytes(copy);
    if (bytes.isEmpty())
        return false;
    return ReplaceFileContent(path(), kMagic + document.Header.FileName.toUtf8() + '\n' + bytes);
}

void RecoveryCopy::keep(const Document& document, const std::function<void(Document&)>& prepare) {
    if (!document.Header.Modified) {
        discard();
        return;
    }
    if (written_ && !pending_)
        return;
    // A failed write is tried again the next time.
    if (write(document, prepare)) {
        written_ = true;
        pending_ = false;
    }
}

void RecoveryCopy::discard() {
    // Only a copy this program wrote: another one may be a second window's, or the copy the
    // start has not offered yet.
    if (written_)
        QFile::remove(path());
    pending_ = false;
    written_ = false;
}

void RecoveryCopy::removeLeft() {
    if (exists())
        QFile::remove(path());
}

std::optional<RecoveryCopy::Found> RecoveryCopy::read(const ReadOptions& options) const {
    if (!exists())
        return std::nullopt;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (!bytes.startsWith(kMagic))
        return std::nullopt;
    const qsizetype lineEnd = bytes.indexOf('\n', kMagic.size());
    if (lineEnd < 0)
        return std::nullopt;
    Found found;
    found.originalPath = QString::fromUtf8(bytes.mid(kMagic.size(), lineEnd - kMagic.size()));
    found.written = QFileInfo(file).lastModified();
    bytes.remove(0, lineEnd + 1);
    if (ReadDocumentBuffer(bytes, found.document, options) != ReadStatus::Ok)
        return std::nullopt;
    found.document.Header.FileName = found.originalPath;
    return found;
}

QString RecoveryCopy::offerText(const Found& found) {
    const HeaderDataTyp& h = found.document.Header;
    const QString name = !h.Titel.isEmpty()              ? h.Titel
                         : !found.originalPath.isEmpty() ? QFileInfo(found.originalPath).fileName()
                                                         : QStringLiteral("Neues Dokument");
    return QStringLiteral("Quindor wurde zuletzt beendet, ohne dass die \u00c4nderungen am "
                          "Dokument \"%1\" gespeichert wurden.\r\nDer zuletzt gesicherte Stand "
                          "vom %2 kann wiederhergestellt werden.")
        .arg(name, QLocale().toString(found.written, QLocale::ShortFormat));
}

QStringList RecoveryCopy::offerButtons() {
    return {QStringLiteral("Wiederherstellen"), QStringLiteral("Verwerfen")};
}

} // namespace quindor
