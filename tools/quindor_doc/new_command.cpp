#include "quindor_doc/new_command.h"

#include "editor/document_makers.h"
#include "quindor_doc/doc_commands.h"

#include <QFile>
#include <QFileInfo>

namespace quindor::doc {

namespace {

struct NewOptions {
    TextKind kind = TextKind::GapText;
    QString output;
    QString input;
    DocumentInfo info;
    bool titled = false;
};

bool Parse(const QStringList& arguments, NewOptions& options) {
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        QString* field = argument == QLatin1String("--titel")       ? &options.info.Titel
                         : argument == QLatin1String("--autor")     ? &options.info.Autor
                         : argument == QLatin1String("--bemerkung") ? &options.info.Bemerkung
                                                                    : nullptr;
        if (!field) {
            if (argument.startsWith(QLatin1String("--")))
                return false;
            positional.append(argument);
            continue;
        }
        if (++i == arguments.size())
            return false;
        *field = arguments.at(i);
        options.titled = options.titled || field == &options.info.Titel;
    }
    const std::optional<TextKind> kind = TextKindOfCommand(positional.value(0));
    if (!kind || positional.size() < 2 || positional.size() > 3)
        return false;
    options.kind = *kind;
    options.output = positional.at(1);
    options.input = positional.value(2);
    return true;
}

} // namespace

QString NewHelpText() {
    QString text = QStringLiteral(
        "Aufruf: quindor-doc new TYP AUS.qdr [--titel T] [--autor A] [--bemerkung B] "
        "[EINGABE.txt]\n"
        "Macht ein Dokument aus dem Text der Eingabedatei oder der Standardeingabe (UTF-8).\n"
        "Ohne --titel wird der Dateiname von AUS.qdr der Titel. Leerzeilen am Anfang und am Ende "
        "z\u00e4hlen nicht.\n");
    for (const TextKindRow& row : TextKinds()) {
        text += QStringLiteral("\n%1 (%2)\n  %3\n  Beispiel:\n")
                    .arg(QLatin1String(row.command), TextKindName(row.kind),
                         QString::fromUtf8(row.format));
        for (const QString& line : QString::fromUtf8(row.example).split(QLatin1Char('\n')))
            text += QStringLiteral("    ") +
                    QString(line).replace(QLatin1Char('\t'), QStringLiteral("<TAB>")) +
                    QLatin1Char('\n');
    }
    return text;
}

int RunNew(const QStringList& arguments, QIODevice& standardInput, QTextStream& out,
           QTextStream& err) {
    if (arguments == QStringList{QStringLiteral("--help")}) {
        out << NewHelpText();
        return 0;
    }
    NewOptions options;
    if (!Parse(arguments, options))
        return 2;
    if (!options.titled)
        options.info.Titel = QFileInfo(options.output).completeBaseName();
    QByteArray bytes;
    if (options.input.isEmpty()) {
        bytes = standardInput.readAll();
    } else {
        QFile file(options.input);
        if (!file.open(QIODevice::ReadOnly)) {
            err << (QFileInfo::exists(options.input)
                        ? QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.")
                              .arg(options.input)
                        : DocumentSession::MissingFileMessage(options.input))
                << '\n';
            return 1;
        }
        bytes = file.readAll();
    }
    const Parsed<QString> text = DecodeInput(bytes);
    const Parsed<Document> made =
        text.ok() ? MakeFromText(nullptr, options.kind, options.info, *text.Value)
                  : Parsed<Document>::failure(text.Error);
    if (!made.ok()) {
        err << made.Error.message() << '\n';
        return 1;
    }
    // Laid out as in the program, so the file is the one the program would save.
    ToolSession tool;
    tool.session.installDocument(*made.Value, true);
    if (!tool.session.WriteDocument(options.output, false)) {
        PrintMessages(tool.messages.texts(), err);
        return 1;
    }
    return 0;
}

} // namespace quindor::doc
