#include "quindor_doc/worksheet_command.h"

#include "core/file_replace.h"
#include "document/topic_list.h"
#include "print/worksheet_output.h"
#include "print/worksheet_sheet.h"
#include "quindor_doc/doc_commands.h"

#include <QFileInfo>

#include <optional>

namespace quindor::doc {

namespace {

struct WorksheetOptions {
    QString input;
    QString output;
    std::optional<int> variant;
    std::optional<int> seed;
};

std::optional<int> Number(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

bool Parse(const QStringList& arguments, WorksheetOptions& options) {
    if (arguments.size() < 2)
        return false;
    options.input = arguments.at(0);
    options.output = arguments.at(1);
    for (qsizetype i = 2; i + 1 < arguments.size(); i += 2) {
        const QString& flag = arguments.at(i);
        const QString& value = arguments.at(i + 1);
        if (flag == QLatin1String("--variant"))
            options.variant = Number(value, 0, 2);
        else if (flag == QLatin1String("--seed"))
            options.seed = Number(value, 1, 10000);
        else
            return false;
        if (!(flag == QLatin1String("--variant") ? options.variant : options.seed))
            return false;
    }
    return arguments.size() % 2 == 0;
}

} // namespace

int RunWorksheet(const QStringList& arguments, QTextStream& err) {
    WorksheetOptions options;
    if (!Parse(arguments, options))
        return 2;
    const bool folder = QFileInfo(options.input).isDir();
    // A folder gives each worksheet with its solution.
    if (folder && options.variant)
        return 2;
    if (QFileInfo(options.output).suffix().toLower() != QLatin1String("pdf")) {
        err << InvalidExtensionMessage() << '\n';
        return 1;
    }
    ToolSession tool;
    DocumentSession& session = tool.session;
    ProgramState& state = tool.state;
    RecordingMessages& messages = tool.messages;
    WorksheetSettings settings;
    RegisterWorksheetHooks(session.hooks(), settings);
    state.Random.seedFromClock();
    const uint32_t seed =
        options.seed ? static_cast<uint32_t>(*options.seed) : DrawVariantSeed(state.Random);

    QStringList files;
    if (folder) {
        for (const ThemenDataTyp& entry : ReadTopicEntries(options.input))
            files.append(entry.Pfad);
        if (files.isEmpty()) {
            err << options.input << ": keine Dokumente\n";
            return 1;
        }
    } else {
        files.append(options.input);
    }
    const std::vector<WorksheetVariant> variants =
        folder ? std::vector{WorksheetVariant::Worksheet, WorksheetVariant::Solution}
               : std::vector{static_cast<WorksheetVariant>(options.variant.value_or(0))};

    bool allLoaded = true;
    std::vector<PrintedSheet> sheets;
    for (const QString& file : files) {
        // Every document starts from the dialog's defaults and takes the settings it stores.
        settings = WorksheetSettings();
        messages.clear();
        if (!session.LoadDocument(file, false)) {
            PrintMessages(messages.texts(), err);
            allLoaded = false;
            continue;
        }
        const Document& document = session.document();
        settings.TitelEdit = document.Header.Titel;
        settings.AufgMemo = document.Header.ABAufgabe;
        WorksheetSource source;
        source.document = &document;
        for (const WorksheetVariant variant : variants) {
            WorksheetRequest request{variant, seed, false};
            sheets.push_back({BuildWorksheet(source, settings, request), settings.landscape()});
        }
    }
    if (sheets.empty())
        return 1;
    if (!ReplaceFileContent(options.output, WorksheetPrintPdf(sheets, WorksheetPrintPlacement()))) {
        PrintMessages({DocumentSession::WriteErrorMessage(options.output)}, err);
        return 1;
    }
    return allLoaded ? 0 : 1;
}

} // namespace quindor::doc
