#include "network/exercise_files.h"

#include "core/binary_stream.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace quindor {

namespace {

const QString kBaseName = QStringLiteral("-zwknetzuebung");
const QString kDraftEnd = QStringLiteral(".dat.part");
const QString kMessageFilesField = QStringLiteral("MeldungenAlsDatei");

const char* const kFieldNames[] = {"NetzUebungMaster",
                                   "RiFaRueckmeldungItemIndex",
                                   "ZuordnungRichtigItemIndex",
                                   "ZuordnungFalschItemIndex",
                                   "ZuordnungstexteItemIndex",
                                   "ZuordnungszieleItemIndex",
                                   "AbfrageModusItemIndex",
                                   "ZeitLimitIndex",
                                   "ZeitLimitWert",
                                   "NoteMinQuote",
                                   "PunkteMinQuote",
                                   "BewertSkala",
                                   "AnzZeichenVorgeben"};

bool IsFraction(double value) {
    return std::isfinite(value) && value >= 0.0 && value <= 1.0;
}

} // namespace

bool IsSafeChannelName(const QString& channel) {
    if (channel.isEmpty() || channel.contains(QStringLiteral("..")))
        return false;
    for (const QChar c : channel) {
        if (c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c))
            return false;
    }
    return true;
}

QString FolderWithSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder;
    return folder + QDir::separator();
}

ExerciseFiles ExerciseFiles::ofChannel(const QString& folder, const QString& channel) {
    ExerciseFiles files;
    files.folder = FolderWithSeparator(folder);
    files.channel = channel;
    if (!IsSafeChannelName(channel))
        return files;
    const QString base = files.folder + channel + kBaseName;
    files.zwk = base + QStringLiteral(".zwk");
    files.dat = base + QStringLiteral(".dat");
    files.okx = base + QStringLiteral(".okx");
    files.hsc = base + QStringLiteral(".hsc");
    return files;
}

QString ExerciseFiles::messagePrefix() const {
    return channel + kBaseName + QStringLiteral("-TN-");
}

bool ExerciseFiles::isMessageFile(const QString& fileName) const {
    return valid() && fileName.startsWith(messagePrefix(), Qt::CaseInsensitive) &&
           fileName.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive);
}

bool ExerciseFiles::isMessageDraft(const QString& fileName) const {
    return valid() && fileName.startsWith(messagePrefix(), Qt::CaseInsensitive) &&
           fileName.endsWith(kDraftEnd, Qt::CaseInsensitive);
}

QString ExerciseFiles::existing(const QString& path) {
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QDir dir = info.dir();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return path;
}

bool ExerciseFiles::published() const {
    return valid() && QFileInfo::exists(existing(okx)) && QFileInfo::exists(existing(dat)) &&
           QFileInfo::exists(existing(zwk));
}

ExerciseFiles::CleanUp ExerciseFiles::cleanUp(FolderPort& port) const {
    CleanUp result;
    if (!valid())
        return result;
    const QStringList exerciseNames = {QFileInfo(zwk).fileName(), QFileInfo(dat).fileName(),
                                       QFileInfo(okx).fileName()};
    for (const FolderEntry& entry : port.list(folder)) {
        const bool message = isMessageFile(entry.name) || isMessageDraft(entry.name);
        if (!message && !exerciseNames.contains(entry.name, Qt::CaseInsensitive))
            continue;
        if (port.remove(folder + entry.name))
            continue;
        result.failed.append(folder + entry.name);
        if (message)
            result.keptMessages.append(entry);
    }
    return result;
}

bool ExerciseFiles::writeRegistrationFlag(FolderPort& port) const {
    if (!valid())
        return false;
    ByteWriter writer;
    writer.writeText(QStringLiteral("NetzUebDateiOKX"));
    return port.replace(okx, writer.bytes());
}

bool ExerciseFiles::deleteRegistrationFlag(FolderPort& port) const {
    return !valid() || port.remove(existing(okx));
}

QString ExerciseOwner(FolderPort& port, const QString& settingsPath) {
    // Tag, header line, then the initiator's name; a settings file is a few hundred bytes.
    const std::optional<QByteArray> bytes = port.read(settingsPath, 64 * 1024);
    if (!bytes)
        return QString();
    ByteReader reader(*bytes);
    reader.readTextBytes();
    reader.readTextBytes();
    const QString owner = reader.readText();
    return reader.ok() ? owner : QString();
}

QString ExerciseSettingsHeaderLine() {
    QString line;
    for (const char* name : kFieldNames)
        line += QString::fromLatin1(name) + QLatin1Char('|');
    return line;
}

QByteArray EncodeExerciseSettings(const QString& initiator, const UebDataTyp& run,
                                  bool messageFiles) {
    ByteWriter writer;
    writer.writeText(QStringLiteral("zwknetzuebung.dat"));
    writer.writeText(ExerciseSettingsHeaderLine() +
                     (messageFiles ? kMessageFilesField + QLatin1Char('|') : QString()));
    writer.writeText(initiator);
    for (const int32_t value :
         {run.RiFaRueckmeldungItemIndex, run.ZuordnungRichtigItemIndex,
          run.ZuordnungFalschItemIndex, run.ZuordnungstexteItemIndex, run.ZuordnungszieleItemIndex,
          run.AbfrageModusItemIndex, run.ZeitLimitIndex, run.ZeitLimitWert})
        writer.writeInt32(value);
    for (const double quota : run.NoteMinQuote)
        writer.writeDouble(quota);
    for (const double quota : run.PunkteMinQuote)
        writer.writeDouble(quota);
    writer.writeInt32(run.BewertSkala);
    writer.writeInt32(run.AnzZeichenVorgeben);
    if (messageFiles)
        writer.writeInt32(1);
    return writer.take();
}

std::optional<ExerciseSettingsFile> ParseExerciseSettings(QByteArrayView bytes,
                                                          const UebDataTyp& own) {
    ByteReader reader(bytes);
    reader.readTextBytes();
    const QString header = reader.readText();
    ExerciseSettingsFile file;
    file.initiator = reader.readText();
    UebDataTyp& run = file.run;
    run = own;
    int32_t* const options[] = {&run.RiFaRueckmeldungItemIndex,
                                &run.ZuordnungRichtigItemIndex,
                                &run.ZuordnungFalschItemIndex,
                                &run.ZuordnungstexteItemIndex,
                                &run.ZuordnungszieleItemIndex,
                                &run.AbfrageModusItemIndex,
                                &run.ZeitLimitIndex};
    for (int32_t* option : options) {
        *option = reader.readInt32();
        // No settings dialog offers more than four choices.
        if (*option < 0 || *option > 3)
            reader.fail();
    }
    if (run.ZeitLimitIndex > 2)
        reader.fail();
    run.ZeitLimitWert = reader.readInt32();
    if (run.ZeitLimitWert < 0)
        reader.fail();
    const auto names = [&header](const char* name) {
        return header.contains(QString::fromLatin1(name));
    };
    if (names("NoteMinQuote")) {
        for (double& quota : run.NoteMinQuote) {
            quota = reader.readDouble();
            if (!IsFraction(quota))
                reader.fail();
        }
    }
    if (names("PunkteMinQuote")) {
        for (double& quota : run.PunkteMinQuote) {
            quota = reader.readDouble();
            if (!IsFraction(quota))
                reader.fail();
        }
    }
    if (names("BewertSkala")) {
        run.BewertSkala = reader.readInt32();
        if (run.BewertSkala < 0 || run.BewertSkala > 3)
            reader.fail();
    }
    if (names("AnzZeichenVorgeben"))
        run.AnzZeichenVorgeben = reader.readInt32() != 0 ? 1 : 0;
    if (header.contains(kMessageFilesField))
        file.messageFiles = reader.readInt32() != 0;
    if (!reader.ok())
        return std::nullopt;
    return file;
}

QString FileReadErrorMessage(const QString& path) {
    return QStringLiteral("Fehler beim Einlesen der Datei \"") + path + QLatin1Char('"');
}

} // namespace quindor
