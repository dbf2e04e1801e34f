#include "document/recovery_copy.h"

#include "core/file_replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quindor {

RecoveryCopy::RecoveryCopy(const QString& folder) : folder_(folder) {}

QString RecoveryCopy::copyPath() const {
    return folder_.isEmpty() ? QString()
                             : QDir(folder_).filePath(QStringLiteral("Wiederherstellung.qdr"));
}

QString RecoveryCopy::namePath() const {
    return folder_.isEmpty() ? QString()
                             : QDir(folder_).filePath(QStringLiteral("Wiederherstellung.txt"));
}

bool RecoveryCopy::waiting() const {
    return !folder_.isEmpty() && QFileInfo::exists(copyPath());
}

bool RecoveryCopy::keep(DocumentSession& session) const {
    if (folder_.isEmpty() || !QDir().mkpath(folder_))
        return false;
    const QByteArray bytes = session.documentBytes();
    // The name goes first: the copy itself is what the next start looks for.
    return !bytes.isEmpty() && ReplaceFileContent(namePath(), session.header().FileName.toUtf8()) &&
           ReplaceFileContent(copyPath(), bytes);
}

QString RecoveryCopy::originalFile() const {
    QFile file(namePath());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
}

QString RecoveryCopy::offerText(const QString& originalFile) {
    if (originalFile.isEmpty())
        return QStringLiteral("Beim letzten Beenden des Programms war das aktuelle Dokument noch "
                              "nicht gespeichert. Es wurde aufbewahrt.\r\n\r\nDokument "
                              "wiederherstellen oder verwerfen?");
    return QStringLiteral("Beim letzten Beenden des Programms waren \u00c4nderungen im Dokument "
                          "\"") +
           QDir::toNativeSeparators(originalFile) +
           QStringLiteral(
               "\" noch nicht gespeichert. Sie wurden aufbewahrt.\r\n\r\n\u00c4nderungen "
               "wiederherstellen oder verwerfen?");
}

bool RecoveryCopy::offer(DocumentSession& session, Messages& messages) const {
    if (!waiting())
        return false;
    const QString original = originalFile();
    const int choice =
        messages.choose(offerCaption(), offerText(original),
                        {QStringLiteral("Wiederherstellen"), QStringLiteral("Verwerfen")}, 0);
    if (choice == 1)
        discard();
    if (choice != 0 || !session.LoadDocument(copyPath(), false))
        return false;
    // The changes belong to their own file, which they have not reached yet.
    HeaderDataTyp& header = session.header();
    header.FileName = original;
    header.Modified = true;
    discard();
    return true;
}

void RecoveryCopy::discard() const {
    QFile::remove(copyPath());
    QFile::remove(namePath());
}

void RecoveryKeeper::keep(DocumentSession& session) {
    if (!session.header().Modified) {
        discard();
        return;
    }
    if (written_ && !pending_)
        return;
    // A failed write is tried again the next time.
    if (copy_.keep(session)) {
        written_ = true;
        pending_ = false;
    }
}

void RecoveryKeeper::discard() {
    if (written_)
        copy_.discard();
    pending_ = false;
    written_ = false;
}

} // namespace quindor
