// A second program for the best-list reliability test: appends entries or reads the list in a
// loop, as many computers sharing one folder would.
//   best_list_worker append FILE COUNT PREFIX
//   best_list_worker read FILE MILLISECONDS
//   best_list_worker append-cut FILE LIMIT NAME [killed]
// The reader prints "reads N" and exits with 1 when it ever saw an entry cut short.
// append-cut appends one entry to a file that may not grow beyond LIMIT bytes, as on a full
// disk: the writes fail with EFBIG (exit 3 after the write error), or with "killed" the
// process dies in the middle of its write, as a computer switched off would.
#include "core/messages.h"
#include "exercise/best_list.h"
#include "platform/locked_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

#include <csignal>
#include <sys/resource.h>

using namespace quindor;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() == 5 && args[1] == QLatin1String("append")) {
        RecordingMessages messages;
        const int count = args[3].toInt();
        for (int i = 0; i < count; ++i) {
            BestListDataTyp entry;
            entry.Name = QStringLiteral("%1-%2").arg(args[4]).arg(i);
            entry.Rechner = args[4];
            entry.Beginn = 46000.0 + i;
            entry.Dauer = i * 1000;
            entry.Leistung = i / 1000.0;
            // A computer shut out for longer than the tries reports it; the learner tries
            // again, as the result window lets them.
            int tries = 1;
            while (!AppendBestListEntry(args[2], entry, true, messages)) {
                if (++tries > 20) {
                    out << "failed " << i << '\n';
                    return 2;
                }
            }
        }
        return 0;
    }
    if (args.size() == 4 && args[1] == QLatin1String("read")) {
        QElapsedTimer timer;
        timer.start();
        int reads = 0;
        while (timer.elapsed() < args[3].toInt()) {
            platform::LockedFile file;
            QByteArray bytes;
            // A reader that let go for a moment, as a window showing the list does between
            // its reads; a reader that never lets go would shut every writer out.
            QThread::msleep(1);
            if (!file.open(args[2], platform::LockedFile::Mode::SharedRead, 50) ||
                !file.readAll(bytes) || bytes.isEmpty())
                continue;
            std::vector<BestListDataTyp> entries;
            if (!ParseBestList(bytes, entries)) {
                out << "torn after " << reads << " reads\n";
                return 1;
            }
            ++reads;
        }
        out << "reads " << reads << '\n';
        return 0;
    }
    if (args.size() >= 5 && args[1] == QLatin1String("append-cut")) {
        const bool killed = args.size() == 6 && args[5] == QLatin1String("killed");
        const struct rlimit noCore { 0, 0 };
        setrlimit(RLIMIT_CORE, &noCore);
        const rlim_t limit = args[3].toULongLong();
        const struct rlimit size { limit, limit };
        if (setrlimit(RLIMIT_FSIZE, &size) != 0)
            return 4;
        if (!killed)
            std::signal(SIGXFSZ, SIG_IGN);
        RecordingMessages messages;
        BestListDataTyp entry;
        entry.Name = args[4];
        entry.Rechner = QStringLiteral("PC-voll");
        entry.Beginn = 46000.0;
        entry.Dauer = 1000;
        entry.Leistung = 0.5;
        if (AppendBestListEntry(args[2], entry, false, messages))
            return 0;
        out << messages.texts().join(QLatin1Char('\n')) << '\n';
        return 3;
    }
    out << "Aufruf: best_list_worker append FILE COUNT PREFIX | read FILE MILLISECONDS | "
           "append-cut FILE LIMIT NAME [killed]\n";
    return 2;
}
