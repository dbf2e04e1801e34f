// quindor-classroom: a class of simulated participants for a published network exercise.
//   quindor-classroom FOLDER CHANNEL [--participants N] [--folder-only] [--mistakes RATE]
//                     [--pace MS] [--seed N] [--timing]
// --timing adds the moment of the last message on the system's monotonic clock in nanoseconds,
// for a measuring program on the same machine.
// The teacher's computer is found by the name in the exercise's settings file, through the
// system's resolver or the host map of QUINDOR_HOSTS.
#include "classroom/classroom_simulator.h"

#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>

int main(int argc, char** argv) {
    // The document is laid out as on a participant's computer, which needs fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QStringList args = application.arguments();
    QTextStream err(stderr);
    if (args.size() < 3) {
        err << "quindor-classroom FOLDER CHANNEL [--participants N] [--folder-only] "
               "[--mistakes RATE] [--pace MS] [--seed N]\n";
        return 2;
    }
    quindor::ClassroomOptions options;
    bool timing = false;
    options.folder = args.at(1);
    options.channel = args.at(2);
    for (qsizetype i = 3; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const QString value = args.value(i + 1);
        if (arg == QLatin1String("--folder-only")) {
            options.datagrams = false;
            continue;
        }
        if (arg == QLatin1String("--timing")) {
            timing = true;
            continue;
        }
        if (arg == QLatin1String("--participants"))
            options.participants = value.toInt();
        else if (arg == QLatin1String("--mistakes"))
            options.mistakeRate = value.toDouble();
        else if (arg == QLatin1String("--pace"))
            options.paceMilliseconds = value.toInt();
        else if (arg == QLatin1String("--seed"))
            options.seed = value.toUInt();
        else {
            err << "unbekannte Angabe " << arg << '\n';
            return 2;
        }
        ++i;
    }
    QString error;
    const std::optional<quindor::ClassroomResult> result =
        quindor::RunClassroom(options, quindor::platform::HostResolver::fromEnvironment(), &error);
    if (!result) {
        err << error << '\n';
        return 1;
    }
    QTextStream out(stdout);
    out << result->participants << " Teilnehmer, " << result->queries << " Abfragen, "
        << result->actions << " Aktionen, " << result->messages << " Meldungen, " << result->failed
        << " nicht versandt\n";
    if (timing)
        out << "letzte Meldung "
            << std::chrono::duration_cast<std::chrono::nanoseconds>(
                   result->lastSend.time_since_epoch())
                   .count()
            << '\n';
    return result->failed == 0 ? 0 : 1;
}
