// Starts either the program window or a bare main window with the same menus, paints it once
// and quits: the two processes the start-up benchmark times.
#include "app/av_main.h"
#include "app/german_language.h"
#include "core/program_folders.h"
#include "platform/qt_sound_player.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QTextStream>

namespace {

using namespace quindor;

class NoShell : public platform::ShellOpener {
public:
    bool open(const QString&) override { return false; }
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString mode = args.value(1);
    const QString folder = args.value(2);
    if (mode == QLatin1String("bare")) {
        // The menus of the program window, as the "shape" run wrote them: a line per menu, the
        // title and its items separated by tabs.
        QFile shape(args.value(3));
        if (!shape.open(QIODevice::ReadOnly))
            return 1;
        QMainWindow bare;
        for (const QByteArray& line : shape.readAll().split('\n')) {
            const QStringList parts = QString::fromUtf8(line).split(QLatin1Char('\t'));
            if (parts.value(0).isEmpty())
                continue;
            QMenu* menu = bare.menuBar()->addMenu(parts.front());
            for (qsizetype i = 1; i < parts.size(); ++i)
                menu->addAction(parts.at(i));
        }
        bare.resize(1280, 900);
        bare.show();
        bare.grab();
        return 0;
    }
    // The program starts with Qt's German texts, as the real one does.
    UseGermanLanguage(application);
    RecordingMessages messages;
    NoPickers pickers;
    NoBusyIndicator busy;
    NoShell shell;
    UserSettingsStore store(folder + QStringLiteral("/user.ini"));
    platform::QtSoundPlayer sound;
    platform::XdgEmailSender mail;
    AppState app(messages, pickers, busy, shell, store, sound, mail);
    ComputeProgramFolders(app.state, folder);
    MainWindow program(app);
    if (mode == QLatin1String("shape")) {
        QTextStream out(stdout);
        for (QAction* menuAction : program.menuBar()->actions()) {
            QStringList parts{menuAction->text()};
            if (menuAction->menu()) {
                for (QAction* item : menuAction->menu()->actions())
                    parts.append(item->text());
            }
            out << parts.join(QLatin1Char('\t')) << '\n';
        }
        return 0;
    }
    program.resize(1280, 900);
    program.show();
    program.FirstActivation({folder});
    program.grab();
    return 0;
}
