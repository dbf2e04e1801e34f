#include "network/comm_settings.h"

#include "network/exercise_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quindor {

bool MayChangeCommSettings(const ProgramState& state, Messages& messages) {
    // A network exercise keeps the folder and channel it began with to its end.
    const bool participant =
        state.ViewMode == Mode::Exercise && state.ExerciseKind != Participation::Individual;
    if (!participant && state.ExerciseKind != Participation::Initiator)
        return true;
    messages.information(QStringLiteral(
        "Die Einstellungen zur Netzwerk-Kommunikation können nicht während einer Netzwerk-Übung "
        "geändert werden."));
    return false;
}

bool AccessTest(const QString& folder) {
    const QString base = FolderWithSeparator(folder) + QStringLiteral("AVXZ_");
    for (int n = 1; n < 100'000; ++n) {
        const QString path = base + QString::number(n);
        if (QFileInfo::exists(path))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite | QIODevice::NewOnly))
            return false;
        file.close();
        return file.remove();
    }
    return false;
}

QString AccessWarningMessage(const QString& folder) {
    return QStringLiteral("Sie verfügen nicht über ausreichende Zugriffsrechte für den angegebenen "
                          "Kommunikationsordner. Für diesen Ordner (") +
           folder +
           QStringLiteral(") benötigen Sie Lese- und Schreibzugriffsrechte. \r\n\r\n"
                          "Setzen Sie die nötigen Zugriffsrechte oder wählen Sie unter dem "
                          "Menüpunkt \"Optionen / Kommunikationsordner...\" ein anderes "
                          "Verzeichnis aus. Wenden Sie sich ggf. an Ihren Netzwerkadministrator.");
}

void AccessTestCommand(const QString& folder, bool combined, Messages& messages) {
    if (combined) {
        messages.information(QStringLiteral(
            "Aufgrund Mailslot-Kommunikation kein Datei-Zugriffstest erforderlich."));
        return;
    }
    if (AccessTest(folder))
        messages.information(QStringLiteral("Test für Lese- und Schreibzugriff erfolgreich."));
    else
        messages.warning(AccessWarningMessage(FolderWithSeparator(folder)));
}

QString InvalidChannelMessage() {
    return QStringLiteral("Der angegebene Kanal ist ungültig. Ein Kanal besteht aus 1 bis 8 "
                          "Zeichen, ohne die Zeichen \\ / : * ? \" < > |.");
}

bool AcceptCommSettings(QString& folderText, const QString& channel, bool combined,
                        ProgramState& state, Settings& settings, Messages& messages) {
    folderText = FolderWithSeparator(folderText);
    const QDir folder(QDir::current().absoluteFilePath(folderText));
    if (!folder.exists() || !folder.isReadable()) {
        messages.error(QStringLiteral("Der angegebene Ordner ist ungültig."));
        return false;
    }
    if (!IsSafeChannelName(channel)) {
        messages.error(InvalidChannelMessage());
        return false;
    }
    const bool passed = combined || AccessTest(folderText);
    state.CommFolder = folderText;
    state.CommChannel = channel;
    settings.NetzKomVerfahren = combined ? 1 : 0;
    if (!passed)
        messages.warning(AccessWarningMessage(folderText));
    return passed;
}

} // namespace quindor
