#include "app/av_main.h"
#include "app/dialog_ports.h"
#include "app/german_language.h"
#include "core/display_check.h"
#include "core/program_folders.h"
#include "platform/qt_sound_player.h"
#include "platform/termination_signal.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QSessionManager>
#include <QStandardPaths>
#include <QTimer>

#include <optional>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // No display name: the window system would append it to every caption.
    QApplication::setApplicationName(QStringLiteral("Quindor"));
    quindor::UseGermanLanguage(application);

    quindor::DialogMessages messages;
    quindor::DialogPickers pickers;
    quindor::OverrideCursorBusy busy;
    quindor::platform::SystemShellOpener shell;
    quindor::UserSettingsStore store;
    quindor::platform::QtSoundPlayer sound;
    quindor::platform::XdgEmailSender mail;
    quindor::AppState app(messages, pickers, busy, shell, store, sound, mail);
    const QString programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    quindor::ComputeProgramFolders(app.state, programFolder,
                                   quindor::DefaultDataFolder(programFolder, userData));
    app.state.RecoveryFolder = userData;

    // The screen must show the program usably; the user may start anyway.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QString warning = quindor::DisplayCheckWarning(
            screen->geometry().width(), screen->geometry().height(), screen->depth());
        if (!warning.isEmpty() &&
            messages.show(quindor::MessageKind::Warning, warning, quindor::MessageButtons::YesNo) !=
                quindor::Answer::Yes)
            return 0;
    }

    quindor::MainWindow window(app);
    messages.setParent(&window);
    pickers.setParent(&window);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    window.setArguments(arguments);
    // Without a window manager "maximised" means nothing; fill the screen ourselves.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    // The end of the desktop session closes the program with the questions the session
    // manager allows.
    QObject::connect(
        &application, &QGuiApplication::commitDataRequest, &window,
        [&window](QSessionManager& manager) {
            const bool mayAsk = manager.allowsInteraction();
            if (!window.sessionEnding(mayAsk))
                manager.cancel();
            if (mayAsk)
                manager.release();
        },
        Qt::DirectConnection);
    // A request to terminate ends the program without questions, also from within a dialog.
    // It is heard once the settings are read, so that their writing has something to write.
    std::optional<quindor::platform::TerminationWatcher> termination;
    // Platforms without window activation (offscreen, some window managers) still get the
    // first activation once the event loop runs.
    QTimer::singleShot(0, &window, [&window, &termination, arguments] {
        window.FirstActivation(arguments);
        termination.emplace();
        QObject::connect(&*termination,
                         &quindor::platform::TerminationWatcher::terminationRequested, &window,
                         [&window] {
                             window.endWithoutQuestions();
                             QCoreApplication::exit(0);
                         });
    });
    return QApplication::exec();
}
