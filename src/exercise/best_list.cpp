#include "exercise/best_list.h"

#include "core/binary_stream.h"
#include "document/document_session.h"
#include "exercise/exercise_texts.h"
#include "platform/locked_file.h"

#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <cmath>

namespace quindor {

namespace {

const QString kMagic = QStringLiteral("ZWK-HSC-1.00");
const QString kFields = QStringLiteral("|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|");
constexpr int kTries = 5;
// The tries are this far apart; waiting for the lock is part of it.
constexpr int kPauseMs = 100;

// The fields a file's field list names; its entries hold these and no others.
struct FieldSet {
    bool name = true, computer = true, begin = true, duration = true, performance = true;
    bool any() const { return name || computer || begin || duration || performance; }
};

FieldSet FieldsOf(const QString& list) {
    const auto has = [&list](const char* key) { return list.contains(QLatin1String(key)); };
    return {has("HSC-Name"), has("HSC-Rechner"), has("HSC-Beginn"), has("HSC-Dauer"),
            has("HSC-Leistung")};
}

QByteArray EncodeEntry(const BestListDataTyp& entry, const FieldSet& fields) {
    ByteWriter writer;
    if (fields.name)
        writer.writeText(entry.Name);
    if (fields.computer)
        writer.writeText(entry.Rechner);
    if (fields.begin)
        writer.writeDouble(entry.Beginn);
    if (fields.duration)
        writer.writeInt32(entry.Dauer);
    if (fields.performance)
        writer.writeDouble(entry.Leistung);
    return writer.take();
}

// What a file holds: a best list whose entries are all whole, one whose last entry is cut
// short, or no best list at all. `whole` is where the last whole entry ends.
struct Scan {
    enum State { Whole, Torn, Foreign } state = Foreign;
    qsizetype whole = 0;
    FieldSet fields;
};

Scan ScanBestList(const QByteArray& bytes, std::vector<BestListDataTyp>* entries) {
    Scan scan;
    ByteReader reader(bytes);
    if (reader.readText() != kMagic || !reader.ok())
        return scan;
    const QString list = reader.readText();
    if (!reader.ok())
        return scan;
    scan.fields = FieldsOf(list);
    // A field list that names no field would read nothing forever.
    if (!scan.fields.any()) {
        if (reader.atEnd())
            scan.state = Scan::Whole;
        return scan;
    }
    const FieldSet& f = scan.fields;
    // Without a list to fill (a writer looking for the end) the texts are only stepped over.
    const auto text = [&reader, entries](QString& into) {
        if (entries)
            into = reader.readText();
        else
            reader.skip(reader.readInt32());
    };
    scan.whole = reader.position();
    while (!reader.atEnd()) {
        BestListDataTyp entry;
        if (f.name)
            text(entry.Name);
        if (f.computer)
            text(entry.Rechner);
        if (f.begin)
            entry.Beginn = reader.readDouble();
        if (f.duration)
            entry.Dauer = reader.readInt32();
        if (f.performance)
            entry.Leistung = reader.readDouble();
        if (!reader.ok()) {
            scan.state = Scan::Torn;
            return scan;
        }
        scan.whole = reader.position();
        if (entries)
            entries->push_back(std::move(entry));
    }
    scan.state = Scan::Whole;
    return scan;
}

// Where an earlier try of one append put its entry.
struct Placed {
    qint64 offset = -1;
    QByteArray bytes;
};

// One try of an append, under the writers' lock. The entry goes right after the last whole
// entry, so a torn one that a writer left when it died is cut off; a file that is empty or
// holds only the start of a header begins anew. A failed write is cut back at once, so the
// lock is never let go with a torn entry in the file. An earlier try whose entry arrived whole
// though the try failed (its sync, say) counts: no entry is written twice.
bool AppendOnce(platform::LockedFile& file, const BestListDataTyp& entry, Placed& placed) {
    QByteArray content;
    if (!file.readAll(content))
        return false;
    if (placed.offset >= 0 && placed.offset <= content.size() &&
        QByteArrayView(content).sliced(placed.offset).startsWith(placed.bytes))
        return true;
    const QByteArray header = BestListFileHeader();
    qint64 end = 0;
    FieldSet fields;
    if (content.size() >= header.size() || !header.startsWith(content)) {
        const Scan scan = ScanBestList(content, nullptr);
        // Entries appended to what is no best list would be lost all the same.
        if (scan.state == Scan::Foreign || !scan.fields.any())
            return false;
        end = scan.whole;
        fields = scan.fields;
    }
    const QByteArray bytes = EncodeEntry(entry, fields);
    placed = {end == 0 ? header.size() : end, bytes};
    if ((end == content.size() || file.truncate(end)) &&
        file.writeAt(end, end == 0 ? header + bytes : bytes))
        return true;
    file.truncate(end);
    return false;
}

// Sleeps out the rest of a try's slot.
void PauseAfter(const QElapsedTimer& tryTimer) {
    const qint64 rest = kPauseMs - tryTimer.elapsed();
    if (rest > 0)
        QThread::msleep(static_cast<unsigned long>(rest));
}

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
    return EncodeEntry(entry, FieldSet());
}

bool ParseBestList(const QByteArray& bytes, std::vector<BestListDataTyp>& entries) {
    entries.clear();
    if (ScanBestList(bytes, &entries).state == Scan::Whole)
        return true;
    entries.clear();
    return false;
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

bool IsBestListDate(double beginn) {
    return beginn >= -693593.0 && beginn < 2958466.0;
}

QString BestListDateText(double beginn) {
    // A damaged or forged file may hold any number.
    if (!IsBestListDate(beginn))
        return QString();
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
    Placed placed;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        QElapsedTimer timer;
        timer.start();
        platform::LockedFile file;
        if (file.open(path, platform::LockedFile::Mode::ExclusiveWrite, kPauseMs) &&
            AppendOnce(file, entry, placed))
            return true;
        file.close();
        if (attempt + 1 < kTries)
            PauseAfter(timer);
    }
    QString text = DocumentSession::WriteErrorMessage(path);
    if (!network)
        text += QStringLiteral("\r\n\r\nDie Bestenliste konnte nicht gespeichert werden. "
                               "Überprüfen Sie die Einstellungen unter \"Optionen / Ordner für "
                               "Protokolle und Bestenlisten\".");
    messages.error(text);
    return false;
}

BestListLoad LoadBestList(const QString& path) {
    BestListLoad load;
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        load.status = BestListStatus::Missing;
        return load;
    }
    for (int attempt = 0; attempt < kTries; ++attempt) {
        QElapsedTimer timer;
        timer.start();
        QByteArray bytes;
        platform::LockedFile file;
        const bool read = file.open(path, platform::LockedFile::Mode::SharedRead, kPauseMs) &&
                          file.readAll(bytes);
        // Writers need not wait for the parsing.
        file.close();
        if (read && ParseBestList(bytes, load.entries))
            return load;
        if (attempt + 1 < kTries)
            PauseAfter(timer);
    }
    load.entries.clear();
    load.status = BestListStatus::Unreadable;
    return load;
}

std::optional<BestListMessage> BestListLoadMessage(BestListStatus status, const QString& path,
                                                   bool network) {
    switch (status) {
    case BestListStatus::Ok:
        return std::nullopt;
    case BestListStatus::Missing:
        return BestListMessage{
            MessageKind::Information,
            network ? QStringLiteral("Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch "
                                     "keine Einträge.")
                    : QStringLiteral("Zu diesem Dokument gibt es bisher keine Einträge in der "
                                     "Bestenliste. Überprüfen Sie ggf. die Einstellungen im Menü "
                                     "\"Optionen\", um die Bestenliste zu nutzen.")};
    case BestListStatus::Unreadable:
        break;
    }
    return BestListMessage{
        MessageKind::Error,
        DocumentSession::ReadErrorMessage(path) + QStringLiteral("\r\n\r\n") +
            (network ? QStringLiteral("Möglicherweise existiert die Datei noch nicht, weil noch "
                                      "kein Teilnehmer die Übung beendet hat.")
                     : QStringLiteral("Überprüfen Sie die Einstellungen im Menü \"Optionen\", "
                                      "um die Bestenliste zu nutzen. Möglicherweise existiert die "
                                      "Datei noch nicht, weil noch niemand die Übung "
                                      "durchgeführt hat."))};
}

} // namespace quindor
