// One computer of a network exercise as a program of its own, for the tests that run an
// initiator and several participants side by side: the real document, run and network code
// without windows, driven by commands on its standard input, answering on its standard output.
//   network_peer initiator folder=F channel=C method=1 document=D.qdr [mode=N] [limit=S]
//   network_peer participant folder=F channel=C method=1
// and [locale=en] (a decimal point), [share=refuse-deletes] or [share=refuse-writes].
// Its computer name, user name and the addresses of all computers come from the environment
// (QUINDOR_COMPUTERNAME, QUINDOR_USERNAME, QUINDOR_HOSTS), its settings from its own
// XDG_CONFIG_HOME. Every message box it would show is printed as "MSG <text>" and answered
// with Yes; a choice takes its default button unless "choose N" queued another.
#include "document/numbering.h"
#include "exercise/best_list.h"
#include "exercise/exercise_run.h"
#include "exercise/headless_surface.h"
#include "layouts/document_layouts.h"
#include "network/network_session.h"
#include "settings/settings_io.h"
#include "settings/settings_store.h"
#include "view/view_composer.h"

#include <QGuiApplication>
#include <QHash>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <deque>
#include <unistd.h>

using namespace quindor;

namespace {

void Print(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

QString Flat(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("|"));
}

class PrintingMessages : public Messages {
public:
    Answer show(MessageKind, const QString& text, MessageButtons buttons) override {
        Print(QStringLiteral("MSG ") + Flat(text));
        return buttons == MessageButtons::Ok ? Answer::Ok : Answer::Yes;
    }
    int choose(const QString&, const QString& text, const QStringList&,
               int defaultButton) override {
        Print(QStringLiteral("MSG ") + Flat(text));
        return std::exchange(nextChoice, std::nullopt).value_or(defaultButton);
    }
    std::optional<int> nextChoice;
};

// A share that lets this computer read the participants' files but not delete them, or write
// nothing at all.
class RefusingShare : public FolderPort {
public:
    explicit RefusingShare(bool writes) : writes_(writes) {}
    bool remove(const QString& path) override {
        return (writes_ || !path.contains(QStringLiteral("-TN-"))) && FolderPort::remove(path);
    }
    bool create(const QString& path, const QByteArray& bytes) override {
        return !writes_ && FolderPort::create(path, bytes);
    }

private:
    bool writes_;
};

class SilentSound : public platform::SoundPlayer {
public:
    void play(const QString&, bool) override {}
    void stop() override {}
};

// The result window leaves or repeats as the commands said.
class ScriptedSurface : public HeadlessSurface {
public:
    using HeadlessSurface::HeadlessSurface;
    ResultChoice showResult(const UebDataTyp& run) override {
        HeadlessSurface::showResult(run);
        Print(QStringLiteral("RESULT %1 %2").arg(run.CorrectCount).arg(run.FailedAttempts));
        if (choices.empty())
            return {};
        const ResultChoice choice = choices.front();
        choices.pop_front();
        return choice;
    }
    std::deque<ResultChoice> choices;
};

struct Peer {
    ProgramState state;
    Settings settings;
    PrintingMessages messages;
    NoBusyIndicator busy;
    DocumentSession session{state, messages, busy};
    ViewComposer view{session.document(), state, &session.layouts()};
    ScriptedSurface surface{view, QSize(1200, 800)};
    SilentSound sound;
    int64_t ticks = 0;
    QElapsedTimer clock;
    ExerciseRun run{session.document(),
                    state,
                    settings,
                    messages,
                    sound,
                    surface,
                    {[this] { return clock.elapsed(); },
                     [] { return DayCountOf(QDateTime::currentDateTime()); }}};
    platform::HostIdentity identity = platform::HostIdentity::system();
    platform::HostResolver resolver = platform::HostResolver::fromEnvironment();
    NetworkSession network{session, state, settings, run, messages, identity, resolver};
    QTimer zeitTimer;
    QString joinName;

    Peer() {
        clock.start();
        RegisterLayouts(session.layouts(), state);
        zeitTimer.setInterval(100);
        QObject::connect(&zeitTimer, &QTimer::timeout, [this] {
            if (run.clockRunning())
                run.Tick();
        });
        zeitTimer.start();
        network.windows().networkOptions = [](DocumentType) { return true; };
        network.windows().joinDialog = [this] { return std::optional<QString>(joinName); };
    }

    // The centre of an object's card as the view last drew it.
    QPointF centre(int object) const {
        const FracRect& r = session.document().Object(object).CardRect;
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }

    // Drops the card of list entry `entry` on object `target`.
    void drop(int entry, int target) {
        const QPointF p = centre(target);
        run.FindDropTarget(p, QRectF(p.x() - 0.001, p.y() - 0.001, 0.002, 0.002));
        run.CheckAction(entry);
    }

    bool running() const {
        return state.ViewMode == Mode::Exercise && state.ExerciseEndState == RunEnd::Running;
    }

    // Answers the first `count` queries of the run in list order, each after the given number
    // of wrong drops onto another open target.
    void answer(const std::vector<int>& mistakes, int count) {
        const Document& document = session.document();
        const std::vector<QueryPair> list = run.queryList();
        for (int i = 0; i < count && i < static_cast<int>(list.size()) && running(); ++i) {
            const int own = list[static_cast<size_t>(i)].TargetObject;
            const int wrong =
                i < static_cast<int>(mistakes.size()) ? mistakes[static_cast<size_t>(i)] : 0;
            for (int m = 0; m < wrong && running(); ++m) {
                for (const QueryPair& other : list) {
                    const ObjDataTyp& o = document.Object(other.TargetObject);
                    if (other.TargetObject != own && o.State == ObjectState::Open &&
                        o.Cap != document.Object(own).Cap) {
                        drop(i, other.TargetObject);
                        break;
                    }
                }
            }
            if (running())
                drop(i, own);
        }
    }

    void printState() {
        Print(QStringLiteral("STATE %1 %2 %3 %4")
                  .arg(static_cast<int>(state.ViewMode))
                  .arg(static_cast<int>(state.ExerciseKind))
                  .arg(static_cast<int>(state.ExerciseEndState))
                  .arg(session.hasDocument() ? 1 : 0));
    }

    void command(const QString& line) {
        const QString verb = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1);
        if (verb == QLatin1String("initiate")) {
            network.initiateCommand();
            Print(QStringLiteral("INITIATED %1").arg(network.initiating() ? 1 : 0));
        } else if (verb == QLatin1String("grid")) {
            for (const QString& row :
                 network.grid().toText().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
                Print(QStringLiteral("GRID ") + row);
            Print(QStringLiteral("GRIDEND"));
        } else if (verb == QLatin1String("registration")) {
            network.setRegistration(rest == QLatin1String("1"));
            network.finishFolderWork();
            Print(QStringLiteral("DONE"));
        } else if (verb == QLatin1String("choose")) {
            messages.nextChoice = rest.toInt();
            Print(QStringLiteral("DONE"));
        } else if (verb == QLatin1String("end")) {
            Print(QStringLiteral("ENDED %1").arg(network.endCommand() ? 1 : 0));
        } else if (verb == QLatin1String("bestlist")) {
            for (const BestListDataTyp& e : LoadBestList(network.files().hsc).entries)
                Print(QStringLiteral("BEST %1|%2|%3").arg(e.Name, e.Rechner).arg(e.Leistung));
            Print(QStringLiteral("BESTEND"));
        } else if (verb == QLatin1String("join")) {
            joinName = rest;
            network.joinCommand();
            printState();
        } else if (verb == QLatin1String("answer") || verb == QLatin1String("partial")) {
            std::vector<int> mistakes;
            int count = 1 << 20;
            if (verb == QLatin1String("partial"))
                count = rest.toInt();
            else
                for (const QString& m : rest.split(QLatin1Char(','), Qt::SkipEmptyParts))
                    mistakes.push_back(m.toInt());
            answer(mistakes, count);
            printState();
        } else if (verb == QLatin1String("repeat-next")) {
            surface.choices.push_back({.repeat = true});
            Print(QStringLiteral("DONE"));
        } else if (verb == QLatin1String("abort")) {
            run.AbortExercise();
            printState();
        } else if (verb == QLatin1String("wait-end")) {
            QElapsedTimer waited;
            waited.start();
            while (state.ViewMode == Mode::Exercise && waited.elapsed() < rest.toInt())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            printState();
        } else if (verb == QLatin1String("state")) {
            printState();
        } else if (verb == QLatin1String("close") || verb == QLatin1String("quit")) {
            network.programClosing();
            network.shutdown();
            Print(QStringLiteral("BYE"));
            QCoreApplication::exit(0);
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QStringList args = application.arguments();
    args.removeFirst();
    const QString role = args.value(0);
    QHash<QString, QString> options;
    for (const QString& arg : args.mid(1))
        options.insert(arg.section(QLatin1Char('='), 0, 0), arg.section(QLatin1Char('='), 1));

    Peer peer;
    UserSettingsStore store;
    ReadUserSettings(store, peer.settings, peer.state);
    peer.settings.OptSound = false;
    peer.settings.OptUebNameEingabe = false;
    peer.settings.UebOpt.Zuordnungstexte = 0;
    peer.settings.UebOpt.Zuordnungsziele = 0;
    peer.settings.UebOpt.AbfrageModus = options.value(QStringLiteral("mode"), "0").toInt();
    if (options.contains(QStringLiteral("limit"))) {
        peer.settings.UebOpt.Zeitlimit = 1;
        peer.settings.UebOpt.ZLimitMin = QStringLiteral("0");
        peer.settings.UebOpt.ZLimitSek = options.value(QStringLiteral("limit"));
    }
    if (options.value(QStringLiteral("locale")) == QLatin1String("en"))
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (options.contains(QStringLiteral("share")))
        peer.network.setFolderPort(std::make_shared<RefusingShare>(
            options.value(QStringLiteral("share")) == QLatin1String("refuse-writes")));
    peer.state.CommFolder = options.value(QStringLiteral("folder"));
    peer.state.CommChannel = options.value(QStringLiteral("channel"));
    peer.settings.NetzKomVerfahren = options.value(QStringLiteral("method"), "1").toInt();
    if (role == QLatin1String("initiator")) {
        if (!peer.session.LoadDocument(options.value(QStringLiteral("document")), true))
            return 2;
        SetNumberingMode(peer.session.document(), peer.state, Numbering::Ordered);
    }

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[4096];
        const ssize_t size = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (size <= 0) {
            input.setEnabled(false);
            peer.command(QStringLiteral("quit"));
            return;
        }
        pending.append(buffer, size);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending.left(end)).trimmed();
            pending.remove(0, end + 1);
            if (!line.isEmpty())
                peer.command(line);
        }
    });
    Print(QStringLiteral("READY"));
    return QGuiApplication::exec();
}
