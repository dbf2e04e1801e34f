#pragma once

#include "core/program_state.h"
#include "document/document_type.h"
#include "exercise/run_state.h"

#include <QDateTime>
#include <QString>

namespace quindor {

// What a protocol records of the surroundings of a run.
struct ProtocolFacts {
    QString computerName;
    QString userName;
    Participation exerciseKind = Participation::Individual;
    QString commFolder;
    QString commChannel;
    QString title;
    QString fileName;
    DocumentType dokTyp = DocumentType::Labelling;
    DocumentSubtype dokUnterTyp = DocumentSubtype::Plain;
};

// "3 Min. 0 Sek.", "45 Sek.", "1 Std. 0 Min. 5 Sek.".
QString DurationText(int seconds);
// The settings block, every line ended by CR LF.
QString SettingsBlock(const UebDataTyp& run, const ProtocolFacts& facts);
// The whole summary written at the end of a run: heading, settings block, statistics and the
// heading of the detailed course. clockLabel is the status display's ("Benötigte Zeit:" or
// "Verbleibende Zeit:").
QString ProtocolSummary(const UebDataTyp& run, const ProtocolFacts& facts, bool multipleChoice,
                        const QString& clockLabel, const QString& clockText);
// Whether a protocol line is a heading ("<tit>" in any case), and its text without the mark.
bool IsProtocolHeading(const QString& line);
QString ProtocolHeadingText(const QString& line);

// Names of the protocol files: the automatic one and the one for mailing, for a moment and a
// counter.
QString AutoProtocolFileName(const QDateTime& when, const QString& computer, int counter);
QString MailProtocolFileName(const QDateTime& when, int counter);

} // namespace quindor
