#include "editor/gift_transfer.h"

#include "core/file_replace.h"
#include "editor/gift_import.h"
#include "editor/gift_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quindor {

QString GiftTransfer::importFile() {
    const QString path = pickers_.openFile(
        QStringLiteral("GIFT-Datei importieren"),
        QStringLiteral("GIFT-Datei (*.gift *.txt)|*.gift;*.txt|Alle Dateien (*.*)|*.*"),
        QStringLiteral("gift"), state_.CurrentFolder);
    if (path.isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        messages_.error(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(path));
        return {};
    }
    GiftImport import = ImportGiftFile(file.readAll(), path);
    QString folder;
    if (import.Refusal.isEmpty() && !import.Documents.empty()) {
        folder = pickers_.chooseFolder(
            QStringLiteral("Ordner f\u00fcr die Dokumente w\u00e4hlen (neu oder leer)"),
            state_.CurrentFolder);
        if (folder.isEmpty())
            return {};
        const QDir chosen(folder);
        if (!chosen.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                            QDir::System)) {
            const QString inside = chosen.filePath(QFileInfo(path).completeBaseName());
            if (messages_.question(
                    QStringLiteral("Der Ordner \"%1\" ist nicht leer.\r\nDie Dokumente in den "
                                   "neuen Ordner \"%2\" schreiben?")
                        .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(inside))) !=
                Answer::Yes)
                return {};
            folder = inside;
        }
    }
    const QString error = WriteImport(import, folder);
    const auto first =
        std::find_if(import.Documents.begin(), import.Documents.end(),
                     [](const ImportedDocument& d) { return !d.FileName.isEmpty(); });
    if (first != import.Documents.end()) {
        session_.LoadDocument(QDir(folder).filePath(first->FileName), true);
        topics_.ReadTopicList();
    }
    return ImportReport(import, path, QDir::toNativeSeparators(folder), error);
}

bool GiftTransfer::canExport() const {
    const HeaderDataTyp& h = session_.document().Header;
    return !h.FileName.isEmpty() || h.Modified || !topics_.entries().isEmpty();
}

QString GiftTransfer::exportDocuments() {
    const HeaderDataTyp& h = session_.document().Header;
    const bool open = !h.FileName.isEmpty() || h.Modified;
    const int count = static_cast<int>(topics_.entries().size());
    bool folder = !open;
    if (open && state_.TopicIndex >= 0 && count > 1) {
        const int choice = messages_.choose(
            QStringLiteral("Als GIFT exportieren"),
            QStringLiteral("Nur das ge\u00f6ffnete Dokument oder alle %1 Dokumente des Ordners "
                           "exportieren?")
                .arg(count),
            {QStringLiteral("Dieses Dokument"), QStringLiteral("Alle Dokumente"),
             QStringLiteral("Abbrechen")},
            0);
        if (choice != 0 && choice != 1)
            return {};
        folder = choice == 1;
    }
    const QString name =
        folder ? QFileInfo(QDir::cleanPath(state_.CurrentFolder)).fileName()
               : (h.Titel.trimmed().isEmpty() ? QFileInfo(h.FileName).completeBaseName()
                                              : h.Titel.trimmed());
    const QString target =
        pickers_.saveFile(QStringLiteral("Als GIFT exportieren"),
                          QStringLiteral("GIFT-Datei (*.gift)|*.gift|Textdatei (*.txt)|*.txt"),
                          QStringLiteral("gift"),
                          QDir(state_.CurrentFolder).filePath(name + QStringLiteral(".gift")));
    if (target.isEmpty())
        return {};
    GiftExport exported;
    if (folder) {
        QStringList paths;
        for (const ThemenDataTyp& entry : topics_.entries())
            paths.append(entry.Pfad);
        exported = ExportFiles(paths, &session_.document());
    } else {
        ExportDocument(session_.document(),
                       h.FileName.isEmpty() ? name : QFileInfo(h.FileName).fileName(), exported);
    }
    if (exported.Questions > 0 && !ReplaceFileContent(target, exported.Text.toUtf8())) {
        messages_.error(DocumentSession::WriteErrorMessage(target));
        return {};
    }
    return ExportReport(exported, QDir::toNativeSeparators(target));
}

} // namespace quindor
