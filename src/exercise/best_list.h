#pragma once

#include "core/messages.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace quindor {

// One result in a best list.
struct BestListDataTyp {
    QString Name;
    QString Rechner;
    // Local start as days since 30 December 1899, the time of day as fraction.
    double Beginn = 0.0;
    // Milliseconds.
    int32_t Dauer = 0;
    // Total performance 0..1.
    double Leistung = 0.0;
    bool operator==(const BestListDataTyp&) const = default;
};

// The file of a document's individual best list: the best-list folder and the document's
// name with ".hsc"; empty without a document file name.
QString IndividualBestListPath(const QString& bestListFolder, const QString& documentFileName);
// The shared best list of the network exercise of a channel.
QString NetworkBestListPath(const QString& commFolder, const QString& channel);

// The start of every best-list file: magic and field list.
QByteArray BestListFileHeader();
QByteArray EncodeBestListEntry(const BestListDataTyp& entry);
// Reads a whole file. False for a foreign magic or an entry cut short; fields missing from the
// file's field list stay empty.
bool ParseBestList(const QByteArray& bytes, std::vector<BestListDataTyp>& entries);

// Higher performance first, on equal performance the shorter time; the earlier entry of the
// scan stays in front on a full tie.
void SortBestList(std::vector<BestListDataTyp>& entries);

// Texts of the best-list window and its export.
QString BestListTimeText(int32_t milliseconds);
// Whether a start lies within the dates the list shows: 1 January 1 to 31 December 9999.
bool IsBestListDate(double beginn);
// Empty for a start outside those dates.
QString BestListDateText(double beginn);
QString BestListPerformanceText(double leistung);
// Header row and one row per entry, cells separated by a tab, lines ended by CR LF.
QString BestListTable(const std::vector<BestListDataTyp>& ranked);

// The entry of a finished run: the name as typed or "(kein Name)".
BestListDataTyp RunBestListEntry(const QString& learnerName, const QString& computer,
                                 double startTime, int64_t elapsedMs, double performance);

// Appends an entry under the writers' lock: up to 5 tries, 100 ms apart, the wait for the lock
// included; after the last the write error (with the individual list's hint) is shown. The
// file is left with the whole entry or as it was, never with a part of it; a torn entry that a
// writer left when it died is cut off, and a file that is no best list is not written.
bool AppendBestListEntry(const QString& path, const BestListDataTyp& entry, bool network,
                         Messages& messages);
// What reading a best list found: the entries, or why there are none.
enum class BestListStatus { Ok, Missing, Unreadable };
struct BestListLoad {
    BestListStatus status = BestListStatus::Ok;
    std::vector<BestListDataTyp> entries; // empty after any failure
    bool ok() const { return status == BestListStatus::Ok; }
};

// Reads the list under the readers' lock, with the same tries as the append.
BestListLoad LoadBestList(const QString& path);

// The message a load that failed calls for: an information for a list that does not exist
// yet, the read error otherwise (each worded for the individual or the network list).
struct BestListMessage {
    MessageKind kind = MessageKind::Information;
    QString text;
};
std::optional<BestListMessage> BestListLoadMessage(BestListStatus status, const QString& path,
                                                   bool network);

} // namespace quindor
