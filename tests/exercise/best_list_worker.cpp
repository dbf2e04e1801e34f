// A second program for the best-list reliability test: appends entries or reads the list in a
// loop, as many computers sharing one folder would.
//   best_list_worker append FILE COUNT PREFIX
//   best_list_worker read FILE MILLISECONDS
// The reader prints "reads N" and exits with 1 when it ever saw an entry cut short.
#include "core/messages.h"
#include "exercise/best_list.h"
#include "platform/locked_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

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
            if (!AppendBestListEntry(args[2], entry, true, messages)) {
                out << "failed " << i << '\n';
                return 2;
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
    out << "Aufruf: best_list_worker append FILE COUNT PREFIX | read FILE MILLISECONDS\n";
    return 2;
}
