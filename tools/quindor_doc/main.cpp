#include "quindor_doc/doc_commands.h"
#include "quindor_doc/gift_commands.h"
#include "quindor_doc/new_command.h"
#include "quindor_doc/render_command.h"
#include "quindor_doc/sheet_command.h"
#include "quindor_doc/worksheet_command.h"

#include <QFile>
#include <QGuiApplication>

namespace {

const char* const kUsage =
    "Aufruf:\n"
    "  quindor-doc info DATEI          Typ, Titel, Autor und Objekte eines Dokuments\n"
    "  quindor-doc dump DATEI          alle Felder als JSON, wie geladen\n"
    "  quindor-doc check PFAD...       Dokumente und Ordner wie beim Öffnen prüfen\n"
    "  quindor-doc rewrite EIN AUS     EIN laden und als AUS neu schreiben\n"
    "  quindor-doc render DATEI AUS.png [--width B] [--height H] [--uncovered]\n"
    "                  [--numbering 0|1|2] [--question N]\n"
    "                                  die Seite wie in der Lernansicht als PNG\n"
    "  quindor-doc worksheet DATEI AUS.pdf [--variant 0|1|2] [--seed N]\n"
    "                                  das Arbeitsblatt (1 Lösungsblatt, 2 Auflegefolie) als PDF\n"
    "  quindor-doc worksheet ORDNER AUS.pdf [--seed N]\n"
    "                                  alle Arbeitsblätter des Ordners, jedes mit Lösungsblatt\n"
    "  quindor-doc new TYP AUS.qdr [--titel T] [--autor A] [--bemerkung B] [EINGABE.txt]\n"
    "                                  ein Dokument aus Text (TYP: lueckentext, ctest,\n"
    "                                  lueckentabelle, einzelfragen, mc, cluster, zuordnung);\n"
    "                                  die Formate zeigt quindor-doc new --help\n"
    "  quindor-doc import DATEI.gift ORDNER\n"
    "                                  die Fragen einer GIFT-Datei (Moodle) als Dokumente in\n"
    "                                  einen neuen oder leeren Ordner\n"
    "  quindor-doc export DOKUMENT.qdr|ORDNER AUS.gift\n"
    "                                  die Fragen eines Dokuments oder Ordners als GIFT-Datei\n"
    "  quindor-doc bestlist DATEI.hsc  die Bestenliste nach Rang, Spalten durch Tabulator\n"
    "  quindor-doc sheet ART AUS.pdf|AUS.png [--size BxH] [--count N] [--rows Z --columns S]\n"
    "                                  ein Blatt des Tafelanschriebs (ART: weiss, gruen, linien,\n"
    "                                  karos, noten, lineatur1 ... lineatur4, tabelle); als PDF\n"
    "                                  eine A4-Seite\n"
    "  quindor-doc --help              diese Hilfe\n";

int Dispatch(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString command = args.value(0);
    const qsizetype operands = args.size() - 1;
    if (command == QLatin1String("--help") && operands == 0) {
        out << QString::fromUtf8(kUsage);
        return 0;
    }
    if (command == QLatin1String("info") && operands == 1)
        return quindor::doc::RunInfo(args.at(1), out, err);
    if (command == QLatin1String("dump") && operands == 1)
        return quindor::doc::RunDump(args.at(1), out, err);
    if (command == QLatin1String("check") && operands >= 1)
        return quindor::doc::RunCheck(args.mid(1), out);
    if (command == QLatin1String("rewrite") && operands == 2)
        return quindor::doc::RunRewrite(args.at(1), args.at(2), err);
    if (command == QLatin1String("bestlist") && operands == 1)
        return quindor::doc::RunBestList(args.at(1), out, err);
    if (command == QLatin1String("new")) {
        QFile input;
        input.open(stdin, QIODevice::ReadOnly);
        const int result = quindor::doc::RunNew(args.mid(1), input, out, err);
        if (result != 2)
            return result;
    }
    if (command == QLatin1String("import") || command == QLatin1String("export")) {
        const int result = command == QLatin1String("import")
                               ? quindor::doc::RunImport(args.mid(1), out, err)
                               : quindor::doc::RunExport(args.mid(1), out, err);
        if (result != 2)
            return result;
    }
    if (command == QLatin1String("sheet")) {
        const int result = quindor::doc::RunSheet(args.mid(1), err);
        if (result != 2)
            return result;
    }
    if (command == QLatin1String("render")) {
        const int result = quindor::doc::RunRender(args.mid(1), err);
        if (result != 2)
            return result;
    }
    if (command == QLatin1String("worksheet")) {
        const int result = quindor::doc::RunWorksheet(args.mid(1), err);
        if (result != 2)
            return result;
    }
    err << QString::fromUtf8(kUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Fonts and pictures need a GUI application, but the tool must run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QGuiApplication::arguments();
    args.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return Dispatch(args, out, err);
}
