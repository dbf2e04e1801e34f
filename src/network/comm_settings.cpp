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
                          "Menüpunkt \"Optionen / Netzwerk-Kommunikation...\" ein anderes "
                          "Verzeichnis aus. Wenden Sie sich ggf. an Ihren Netzwerkadministrator.");
}

void AccessTestCommand(const QString& folder, bool combined, Messages& messages) {
    if (combined) {
        messages.information(QStringLiteral("Aufgrund der Kommunikation über Datagramme ist kein "
                                            "Datei-Zugriffstest erforderlich."));
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

namespace {

QString InvalidFolder(const QString& reason) {
    return QStringLiteral("Der angegebene Ordner ist ungültig.\r\n") + reason;
}

// Whether the folder is there to be used, made when missing: without asking when it is the
// one beside the program, else when the user wants it. Says why a folder is refused.
bool UsableFolder(const QString& folderText, const ProgramState& state, Messages& messages) {
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(folderText));
    const QString shown = QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
    const QFileInfo info(path);
    if (info.exists() && !info.isDir()) {
        messages.error(InvalidFolder(shown + QStringLiteral(" ist eine Datei, kein Ordner.")));
        return false;
    }
    if (!info.exists()) {
        const bool beside = path == QDir::cleanPath(state.ProgramFolder + QStringLiteral("kom"));
        if (!beside &&
            messages.question(QStringLiteral("Der Ordner ") + shown +
                              QStringLiteral(" existiert nicht. Soll er angelegt werden?")) !=
                Answer::Yes)
            return false;
        if (!QDir().mkpath(path)) {
            messages.error(InvalidFolder(QStringLiteral("Der Ordner ") + shown +
                                         QStringLiteral(" existiert nicht und kann nicht "
                                                        "angelegt werden (ungültiger Pfad "
                                                        "oder fehlende Schreibrechte).")));
            return false;
        }
    }
    if (!QDir(path).isReadable()) {
        messages.error(InvalidFolder(QStringLiteral("Der Ordner ") + shown +
                                     QStringLiteral(" kann nicht gelesen werden (fehlende "
                                                    "Leserechte).")));
        return false;
    }
    return true;
}

} // namespace

bool AcceptCommSettings(QString& folderText, const QString& channel, bool combined,
                        ProgramState& state, Settings& settings, Messages& messages) {
    folderText = FolderWithSeparator(folderText);
    if (!UsableFolder(folderText, state, messages))
        return false;
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
