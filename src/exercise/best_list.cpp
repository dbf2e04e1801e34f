#include "exercise/best_list.h"

#include "core/binary_stream.h"
#include "document/document_session.h"
#include "exercise/exercise_texts.h"
#include "platform/locked_file.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QThread>

#include <cmath>

namespace quindor {

namespace {

const QString kMagic = QStringLiteral("ZWK-HSC-1.00");
const QString kFields = QStringLiteral("|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|");
constexpr int kTries = 5;
constexpr int kPauseMs = 100;
// How long one try waits for the other holders of the lock.
constexpr int kLockWaitMs = 500;

} // namespace

QString IndividualBestListPath(const QString& bestListFolder, const QString& documentFileName) {
    if (documentFileName.isEmpty())
        return QString();
    return bestListFolder + QFileInfo(documentFileName).completeBaseName() + QStringLiteral(".hsc");
}

QString NetworkBestListPath(const QString& commFolder, const QString& channel) {
    return commFolder + channel + QStringLiteral("-zwknetzuebung.hsc");
}

QByteArray BestListFileHeader() {
    ByteWriter writer;
    writer.writeText(kMagic);
    writer.writeText(kFields);
    return writer.take();
}

QByteArray EncodeBestListEntry(const BestListDataTyp& entry) {
    ByteWriter writer;
    writer.writeText(entry.Name);
    writer.writeText(entry.Rechner);
    writer.writeDouble(entry.Beginn);
    writer.writeInt32(entry.Dauer);
    writer.writeDouble(entry.Leistung);
    return writer.take();
}

bool ParseBestList(const QByteArray& bytes, std::vector<BestListDataTyp>& entries) {
    entries.clear();
    ByteReader reader(bytes);
    if (reader.readText() != kMagic || !reader.ok())
        return false;
    const QString fields = reader.readText();
    if (!reader.ok())
        return false;
    const auto has = [&fields](const char* key) { return fields.contains(QLatin1String(key)); };
    const bool name = has("HSC-Name"), computer = has("HSC-Rechner"), begin = has("HSC-Beginn"),
               duration = has("HSC-Dauer"), performance = has("HSC-Leistung");
    // A field list that names no field would read nothing forever.
    if (!(name || computer || begin || duration || performance))
        return reader.atEnd();
    while (!reader.atEnd()) {
        BestListDataTyp entry;
        if (name)
            entry.Name = reader.readText();
        if (computer)
            entry.Rechner = reader.readText();
        if (begin)
            entry.Beginn = reader.readDouble();
        if (duration)
            entry.Dauer = reader.readInt32();
        if (performance)
            entry.Leistung = reader.readDouble();
        if (!reader.ok()) {
            entries.clear();
            return false;
        }
        entries.push_back(std::move(entry));
    }
    return true;
}

void SortBestList(std::vector<BestListDataTyp>& entries) {
    for (size_t i = 0; i < entries.size(); ++i) {
        size_t best = i;
        for (size_t j = i + 1; j < entries.size(); ++j) {
            const BestListDataTyp& e = entries[j];
            const BestListDataTyp& b = entries[best];
            if (e.Leistung > b.Leistung || (e.Leistung == b.Leistung && e.Dauer < b.Dauer))
                best = j;
        }
        std::swap(entries[i], entries[best]);
    }
}

QString BestListTimeText(int32_t milliseconds) {
    return ClockText(milliseconds / 1000);
}

QString BestListDateText(double beginn) {
    const double days = std::floor(beginn);
    const qint64 ms = std::llround((beginn - days) * 86'400'000.0);
    const QDateTime when(
        QDate(1899, 12, 30).addDays(static_cast<qint64>(days)),
        QTime::fromMSecsSinceStartOfDay(static_cast<int>(std::min<qint64>(ms, 86'399'999))));
    return when.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
}

QString BestListPerformanceText(double leistung) {
    return QString::number(leistung * 100.0, 'f', 1) + QStringLiteral(" %");
}

QString BestListTable(const std::vector<BestListDataTyp>& ranked) {
    QString text =
        QStringLiteral("Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\tDatum/Uhrzeit\r\n");
    for (size_t i = 0; i < ranked.size(); ++i) {
        const BestListDataTyp& e = ranked[i];
        text += QString::number(i + 1) + QLatin1Char('\t') + e.Name + QLatin1Char('\t') +
                e.Rechner + QLatin1Char('\t') + BestListPerformanceText(e.Leistung) +
                QLatin1Char('\t') + BestListTimeText(e.Dauer) + QLatin1Char('\t') +
                BestListDateText(e.Beginn) + QStringLiteral("\r\n");
    }
    return text;
}

BestListDataTyp RunBestListEntry(const QString& learnerName, const QString& computer,
                                 double startTime, int64_t elapsedMs, double performance) {
    BestListDataTyp entry;
    entry.Name = learnerName.trimmed().isEmpty() ? QStringLiteral("(kein Name)") : learnerName;
    entry.Rechner = computer;
    entry.Beginn = startTime;
    entry.Dauer = static_cast<int32_t>(std::clamp<int64_t>(elapsedMs, 0, INT32_MAX));
    entry.Leistung = performance;
    return entry;
}

bool AppendBestListEntry(const QString& path, const BestListDataTyp& entry, bool network,
                         Messages& messages) {
    const QByteArray bytes = EncodeBestListEntry(entry);
    for (int attempt = 0; attempt < kTries; ++attempt) {
        platform::LockedFile file;
        if (file.open(path, platform::LockedFile::Mode::ExclusiveWrite, kLockWaitMs)) {
            const qint64 size = file.size();
            const bool written =
                size >= 0 && (size > 0 || file.append(BestListFileHeader())) && file.append(bytes);
            if (written)
                return true;
        }
        file.close();
        QThread::msleep(kPauseMs);
    }
    QString text = DocumentSession::WriteErrorMessage(path);
    if (!network)
        text += QStringLiteral("\r\n\r\nDie Bestenliste konnte nicht gespeichert werden. "
                               "Überprüfen Sie die Einstellungen unter \"Optionen / Ordner für "
                               "Protokolle und Bestenlisten\".");
    messages.error(text);
    return false;
}

bool LoadBestList(const QString& path, bool network, std::vector<BestListDataTyp>& entries,
                  Messages& messages) {
    entries.clear();
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        messages.information(
            network ? QStringLiteral("Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch "
                                     "keine Einträge.")
                    : QStringLiteral("Zu diesem Dokument gibt es bisher keine Einträge in der "
                                     "Bestenliste. Überprüfen Sie ggf. die Einstellungen im Menü "
                                     "\"Optionen\", um die Bestenliste zu nutzen."));
        return false;
    }
    for (int attempt = 0; attempt < kTries; ++attempt) {
        platform::LockedFile file;
        QByteArray bytes;
        if (file.open(path, platform::LockedFile::Mode::SharedRead, kLockWaitMs) &&
            file.readAll(bytes) && ParseBestList(bytes, entries))
            return true;
        file.close();
        QThread::msleep(kPauseMs);
    }
    entries.clear();
    messages.error(
        DocumentSession::ReadErrorMessage(path) + QStringLiteral("\r\n\r\n") +
        (network ? QStringLiteral("Möglicherweise existiert die Datei noch nicht, weil noch kein "
                                  "Teilnehmer die Übung beendet hat.")
                 : QStringLiteral("Überprüfen Sie die Einstellungen im Menü \"Optionen\", um "
                                  "die Bestenliste zu nutzen. Möglicherweise existiert die Datei "
                                  "noch nicht, weil noch niemand die Übung durchgeführt hat.")));
    return false;
}

} // namespace quindor
