#include "window_tour/window_tour.h"

#include "app/av_main.h"
#include "app/dialog_ports.h"
#include "core/program_folders.h"
#include "editor/gift_import.h"
#include "editor/ui/gift_report_dialog.h"
#include "exercise/ui/protocol_window.h"
#include "make_samples/sample_documents.h"
#include "network/mailslot.h"
#include "network/participant_messages.h"
#include "network/ui/join_dialog.h"
#include "network/ui/master_prot_form.h"
#include "platform/host_identity.h"
#include "view/ui/info_box.h"
#include "window_tour/dialog_answers.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTime>

#include <cmath>

namespace quindor::tour {

namespace {

class NoShell : public platform::ShellOpener {
public:
    bool open(const QString&) override { return true; }
};

class NoSound : public platform::SoundPlayer {
public:
    void play(const QString&, bool) override {}
    void stop() override {}
};

class NoMail : public platform::MailSender {
public:
    bool send(const QString&, const QString&, const QStringList&) override { return true; }
};

// The learners of the class in the pictures: their names and how far they got.
struct Learner {
    const char* name;
    const char* computer;
    int right;
    int wrong;
};
constexpr Learner kLearners[] = {
    {"Anna", "PC-01", 6, 0}, {"Ben", "PC-02", 4, 2}, {"Clara", "PC-03", 3, 1}};

class Tour {
public:
    Tour(const QString& folder, QSize size, const Visitor& visit)
        : folder_(QDir(folder).absolutePath() + QLatin1Char('/')), size_(size), visit_(visit),
          store_(folder_ + QStringLiteral("einstellungen.ini")),
          app_(messages_, pickers_, busy_, shell_, store_, sound_, mail_) {
        ComputeProgramFolders(app_.state, folder_);
        window_ = std::make_unique<MainWindow>(app_);
    }

    QStringList walk() {
        writeSamples();
        window_->resize(size_);
        window_->show();
        window_->FirstActivation({topics()});
        prepareSettings();
        window_->exercisePanel()->setPauseScale(0);
        look(QStringLiteral("startseite"), *window_);
        learningView();
        exerciseRun();
        typingRuns();
        otherRuns();
        options();
        standardDialogs();
        whiteboard();
        worksheet();
        teacherNetwork();
        learnerNetwork();
        return missing_;
    }

private:
    void look(const QString& name, QWidget& window) {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        visit_(name, window);
    }

    // A handler that looks at the dialog and leaves it to be cancelled.
    DialogHandler lookAt(const QString& name) {
        return [this, name](QWidget& dialog) { look(name, dialog); };
    }
    DialogHandler lookAndAccept(const QString& name) {
        return [this, name](QWidget& dialog) {
            look(name, dialog);
            Accept(dialog);
        };
    }
    DialogHandler nameAnswer(const QString& learner) {
        return [this, learner](QWidget& dialog) {
            if (auto* edit = dialog.findChild<QLineEdit*>())
                edit->setText(learner);
            look(QStringLiteral("teilnehmername"), dialog);
            Accept(dialog);
        };
    }

    void answer(const QString& what, std::vector<DialogHandler> handlers,
                const std::function<void()>& action) {
        DialogAnswers(what, std::move(handlers)).run(action, missing_);
    }

    // A folder name as long as schools give them, which no window may grow wide with.
    QString topics() const {
        return folder_ + QStringLiteral("Fachschaft Biologie/Unterrichtsmaterial f\u00fcr die "
                                        "Klassen 5 und 6/Themen mit \u00dcbungen zu Pflanzen, "
                                        "Tieren und ihren Lebensr\u00e4umen im Jahreslauf/");
    }

    void writeSamples() {
        QDir().mkpath(topics());
        ProgramState state;
        DocumentSession session(state, messages_, busy_);
        for (samples::NamedDocument& named : samples::SampleDocuments()) {
            session.document() = std::move(named.Doc);
            session.WriteDocument(topics() + named.FileName, false);
        }
    }

    void prepareSettings() {
        ProgramState& state = app_.state;
        state.BestListFolder = folder_ + QStringLiteral("bestenlisten/");
        state.ProtocolFolder = folder_ + QStringLiteral("protokolle/");
        state.ChronicleFolder = folder_ + QStringLiteral("chronik/");
        state.CommFolder = folder_ + QStringLiteral("kom/");
        QDir().mkpath(state.BestListFolder);
        QDir().mkpath(state.CommFolder);
        Settings& s = app_.settings;
        s.OptSound = false;
        s.OptErgebBestListEintragen = true;
        s.NetzKomVerfahren = 0;
    }

    void open(const char* file) {
        app_.session.LoadDocument(topics() + QLatin1String(file), true);
        QApplication::processEvents();
    }

    int firstObject(ObjectKind kind, const QString& password = QString()) const {
        const Document& d = app_.session.document();
        for (int i = 0; i < d.ObjectCount(); ++i) {
            if (d.Object(i).Typ == kind && d.Object(i).BildKenn == password)
                return i;
        }
        return -1;
    }

    void learningView() {
        open("01_Pflanze.qdr");
        look(QStringLiteral("lernansicht"), *window_);
        answer(QStringLiteral("Dokumenteigenschaften"), {lookAt(QStringLiteral("eigenschaften"))},
               [this] { window_->ShowDocumentProperties(); });
        answer(QStringLiteral("Infopunkt mit Passwort"), {[this](QWidget& dialog) {
                   if (auto* edit = dialog.findChild<QLineEdit*>())
                       edit->setText(QStringLiteral("Lehrer"));
                   look(QStringLiteral("passwort"), dialog);
                   Accept(dialog);
               }},
               [this] {
                   window_->ShowInfoBox(
                       firstObject(ObjectKind::InfoPoint, QStringLiteral("Lehrer")));
               });
        if (auto* info = window_->findChild<InfoBox*>()) {
            look(QStringLiteral("infotext"), *info);
            info->close();
        }
        answer(QStringLiteral("Ansicht drucken"), {lookAt(QStringLiteral("ansicht-drucken"))},
               [this] { window_->PrintViewCommand(); });
        answer(QStringLiteral("Themenliste"), {lookAt(QStringLiteral("themenliste"))},
               [this] { window_->action(QStringLiteral("ThemenlisteItem"))->trigger(); });
        if (window_->startPictureEditing()) {
            look(QStringLiteral("bearbeiten"), *window_);
            window_->leavePictureEditing(false);
        }
    }

    // A run of the labelling sample by Anna: one card on a wrong place, then all on theirs.
    void exerciseRun() {
        answer(QStringLiteral("Individual-Übung"),
               {lookAndAccept(QStringLiteral("uebungseinstellungen")),
                nameAnswer(QStringLiteral("Anna"))},
               [this] { window_->IndividualExerciseCommand(); });
        look(QStringLiteral("uebung"), *window_);
        const std::vector<QueryPair> list = window_->exerciseRun().queryList();
        if (list.size() < 2)
            return missing_.append(QStringLiteral("Übung"));
        drop(cardOf(list[1].TargetObject), list[0].TargetObject);
        answer(QStringLiteral("Übung beendet"), {[this](QWidget& dialog) {
                   look(QStringLiteral("ergebnis"), dialog);
                   PressButton(dialog, QStringLiteral("Zur Lernansicht"));
               }},
               [this] { answerRight(1000); });
        answer(QStringLiteral("Protokoll"), {lookAt(QStringLiteral("protokoll"))},
               [this] { window_->protocolWindow()->exec(); });
        answer(QStringLiteral("Bestenliste"), {lookAt(QStringLiteral("bestenliste"))},
               [this] { window_->ShowBestList(false); });
    }

    // The entry of the card for a field or gap: the field's own object.
    int cardOf(int object) {
        const std::vector<QueryPair>& list = window_->exerciseRun().queryList();
        for (size_t p = 0; p < list.size(); ++p) {
            if (list[p].CardObject == object)
                return static_cast<int>(p);
        }
        return -1;
    }

    // Up to count open fields of the run get their cards.
    void answerRight(int count) {
        const std::vector<QueryPair> list = window_->exerciseRun().queryList();
        for (const QueryPair& entry : list) {
            if (count > 0 && app_.state.ViewMode == Mode::Exercise &&
                app_.session.document().Object(entry.TargetObject).State == ObjectState::Open) {
                drop(cardOf(entry.TargetObject), entry.TargetObject);
                --count;
            }
        }
    }

    // The card of the list entry dropped on the object.
    void drop(int entry, int object) {
        const FracRect& r = app_.session.document().Object(object).CardRect;
        const QPointF mid((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        ExerciseRun& run = window_->exerciseRun();
        run.FindDropTarget(mid, QRectF(mid, QSizeF(0.001, 0.001)));
        run.CheckAction(entry);
    }

    // The typing mode of a gap text and a C-test with some words typed in.
    void typingRuns() {
        app_.settings.UebOpt.AbfrageModus = 3;
        app_.settings.OptUebNameEingabe = false;
        for (const auto& [file, name] : {std::pair{"02_Lueckentext.qdr", "texteingabe"},
                                         std::pair{"03_C-Test.qdr", "c-test-texteingabe"}}) {
            open(file);
            answer(QString::fromLatin1(name),
                   {lookAndAccept(QStringLiteral("uebungseinstellungen-texteingabe"))},
                   [this] { window_->IndividualExerciseCommand(); });
            const std::vector<QueryPair>& list = window_->exerciseRun().queryList();
            const Document& d = app_.session.document();
            for (size_t i = 0; i < list.size() && i < 3; ++i) {
                if (auto* field = window_->exercisePanel()->findChild<QLineEdit*>(
                        QStringLiteral("UebElemPan%1").arg(i)))
                    field->setText(d.Object(list[i].TargetObject).Cap);
            }
            look(QString::fromLatin1(name), *window_);
            window_->AbortExerciseCommand();
        }
        app_.settings.UebOpt.AbfrageModus = 0;
    }

    // The runs of the other document types as they start, the pairs after a wrong pair.
    void otherRuns() {
        app_.settings.UebOptZeigen = false;
        for (const auto& [file, name] :
             {std::pair{"02_Lueckentext.qdr", "uebung-lueckentext"},
              std::pair{"06_Einzelfragen.qdr", "uebung-einzelfragen"},
              std::pair{"07_Verkehrszeichen-Quiz.qdr", "uebung-multiple-choice"},
              std::pair{"09_Sortieren.qdr", "uebung-cluster"},
              std::pair{"10_Zuordnen.qdr", "uebung-ueberkreuz"}}) {
            open(file);
            // The settings of the other families: questions, baskets, pairs.
            if (app_.session.header().DokTyp != DocumentType::GapText &&
                app_.session.header().DokTyp != DocumentType::MultipleChoice)
                answer(QString::fromLatin1(name),
                       {lookAt(QStringLiteral("einstellungen-") + QString::fromLatin1(name))},
                       [this] { window_->ExerciseSettingsCommand(); });
            window_->IndividualExerciseCommand();
            if (app_.state.ViewMode != Mode::Exercise) {
                missing_.append(QString::fromLatin1(name));
                continue;
            }
            if (app_.session.header().DokTyp == DocumentType::CrossMatching)
                window_->exercisePanel()->showBanner(Banner::Wrong);
            if (app_.session.header().DokTyp == DocumentType::GapText)
                answerRight(3);
            look(QString::fromLatin1(name), *window_);
            window_->AbortExerciseCommand();
        }
        app_.settings.UebOptZeigen = true;
        open("01_Pflanze.qdr");
    }

    void options() {
        answer(QStringLiteral("Übungseinstellungen"), {[this](QWidget& dialog) {
                   PressButton(dialog, QStringLiteral("Erweitert..."));
                   look(QStringLiteral("uebungseinstellungen-erweitert"), dialog);
                   PressButton(dialog, QStringLiteral("Reduziert..."));
               }},
               [this] { window_->ExerciseSettingsCommand(); });
        answer(QStringLiteral("Notenskala"), {lookAt(QStringLiteral("notenskala"))},
               [this] { window_->GradeScaleCommand(); });
        answer(QStringLiteral("Dateiordner"), {lookAt(QStringLiteral("dateiordner"))},
               [this] { window_->FolderCommand(); });
        answer(QStringLiteral("Schriftart"), {lookAt(QStringLiteral("schriftart"))},
               [this] { window_->FontCommand(); });
        answer(QStringLiteral("Schiebepuzzle"), {lookAndAccept(QStringLiteral("schiebepuzzle"))},
               [this] { window_->SlidingPuzzleCommand(); });
        look(QStringLiteral("schiebepuzzle-lauf"), *window_);
        window_->AbortExerciseCommand();
        answer(QStringLiteral("Verknüpfungsfelder"), {lookAt(QStringLiteral("verknuepfungen"))},
               [this] { window_->ProgramLinksCommand(); });
        answer(QStringLiteral("E-Mail"), {lookAt(QStringLiteral("e-mail"))},
               [this] { window_->MailDocumentCommand(); });
        answer(QStringLiteral("Netzwerk-Kommunikation"), {lookAt(QStringLiteral("kommunikation"))},
               [this] { window_->communicationCommand(); });
        answer(QStringLiteral("Neu"), {lookAt(QStringLiteral("neu"))},
               [this] { window_->newDocumentCommand(); });
        answer(QStringLiteral("GIFT-Import"), {lookAt(QStringLiteral("gift-bericht"))}, [this] {
            // A bank with every kind of question, some that no document type asks.
            GiftImport import = ImportGiftFile(
                "$CATEGORY: $course$/Biologie/Pflanzen\n\n"
                "::Teile::Wo nimmt die Pflanze Wasser auf? {=Wurzel ~Blatt ~Bl\xc3\xbcte}\n\n"
                "::Licht::Pflanzen brauchen Licht. {T}\n\n"
                "::Stoff::Welches Gas geben Bl\xc3\xa4tter ab? {=Sauerstoff =O2}\n\n"
                "::Paare::Ordne zu. {=Wurzel -> Wasser =Blatt -> Licht =Bl\xc3\xbcte -> "
                "Samen = -> Stein}\n\n"
                "Der {=St\xc3\xa4ngel} tr\xc3\xa4gt die Bl\xc3\xa4tter.\n\n"
                "::Aufsatz::Beschreibe einen Baum. {}\n",
                QStringLiteral("pflanzen.gift"));
            const QTemporaryDir made;
            const QString folder = made.filePath(QStringLiteral("Pflanzen"));
            const QString error = WriteImport(import, folder);
            TGiftBerichtForm report(
                QStringLiteral("GIFT-Import"),
                ImportReport(import, QStringLiteral("pflanzen.gift"), folder, error),
                window_.get());
            report.exec();
        });
    }

    // The desktop's own dialogs as the program shows them: files, printer, colour, messages.
    void standardDialogs() {
        DialogPickers pickers(window_.get());
        answer(QStringLiteral("Öffnen"), {lookAt(QStringLiteral("datei-oeffnen"))}, [&] {
            pickers.openFile(QStringLiteral("Quindor-Dokument öffnen"),
                             QStringLiteral("Quindor-Dokumente (*.qdr)|*.qdr"),
                             QStringLiteral("qdr"), topics());
        });
        answer(QStringLiteral("Ordner wählen"), {lookAt(QStringLiteral("ordner-waehlen"))},
               [&] { pickers.chooseFolder(QStringLiteral("Ordner wählen"), topics()); });
        answer(QStringLiteral("Druckereinrichtung"), {lookAt(QStringLiteral("druckereinrichtung"))},
               [this] { window_->action(QStringLiteral("DruckereinrichtungItem"))->trigger(); });
        answer(QStringLiteral("Drucken"), {lookAt(QStringLiteral("drucken"))}, [this] {
            app_.printer.printWithDialog(window_.get(), QStringLiteral("Protokoll"),
                                         [](QPrinter&) { return true; });
        });
        answer(QStringLiteral("Vorschau"), {lookAt(QStringLiteral("druckvorschau"))}, [this] {
            app_.printer.preview(window_.get(), QStringLiteral("Protokoll"), [](QPrinter& printer) {
                QPainter painter(&printer);
                painter.drawText(QPointF(100, 100), QStringLiteral("Übungsprotokoll"));
                return true;
            });
        });
        answer(QStringLiteral("Farbe"), {lookAt(QStringLiteral("farbe"))},
               [this] { QColorDialog::getColor(Qt::white, window_.get()); });
        DialogMessages messages(window_.get());
        answer(QStringLiteral("Meldung"), {lookAt(QStringLiteral("meldung"))}, [&] {
            // The longest message of the program: the access test of the channel dialog.
            messages.show(MessageKind::Warning,
                          QStringLiteral("Sie verfügen nicht über ausreichende Zugriffsrechte für "
                                         "den angegebenen Kommunikationsordner. Für diesen "
                                         "Ordner (") +
                              app_.state.CommFolder +
                              QStringLiteral(") benötigen Sie Lese- und Schreibzugriffsrechte. "
                                             "\r\n\r\nSetzen Sie die nötigen Zugriffsrechte "
                                             "oder wählen Sie unter dem Menüpunkt \"Optionen / "
                                             "Netzwerk-Kommunikation...\" ein anderes "
                                             "Verzeichnis aus. Wenden Sie sich ggf. an Ihren "
                                             "Netzwerkadministrator."),
                          MessageButtons::Ok);
        });
    }

    void whiteboard() {
        const std::vector<SheetMenuEntry>& menu = SheetMenu();
        const auto entry = [&menu](const QString& caption) {
            for (size_t i = 0; i < menu.size(); ++i) {
                if (menu[i].caption == caption)
                    return static_cast<int>(i);
            }
            return 0;
        };
        answer(QStringLiteral("Blatt mit Linien"), {lookAt(QStringLiteral("blatt-linien"))},
               [&] { window_->newSheetCommand(entry(QStringLiteral("Linien frei..."))); });
        answer(QStringLiteral("Tabelle"), {lookAt(QStringLiteral("blatt-tabelle"))},
               [&] { window_->newSheetCommand(entry(QStringLiteral("Tabelle frei..."))); });
        answer(QStringLiteral("Symbolstempel"), {lookAt(QStringLiteral("symbolstempel"))},
               [this] { window_->stampConfigureCommand(); });
        window_->newSheetCommand(entry(QStringLiteral("Linien weit (10)")));
        window_->selectTool(Tool::Freehand);
        PageArea* page = window_->pageArea();
        const QPoint origin = page->pageRect().topLeft();
        // A wave and a line under it, as a teacher sketches.
        const auto stroke = [&](const std::vector<QPoint>& points) {
            for (size_t i = 0; i < points.size(); ++i) {
                const QEvent::Type type = i == 0                   ? QEvent::MouseButtonPress
                                          : i + 1 == points.size() ? QEvent::MouseButtonRelease
                                                                   : QEvent::MouseMove;
                const QPointF at = points[i] + origin;
                QMouseEvent event(type, at, page->mapToGlobal(at),
                                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                                  type == QEvent::MouseButtonRelease ? Qt::NoButton
                                                                     : Qt::LeftButton,
                                  Qt::NoModifier);
                QCoreApplication::sendEvent(page, &event);
            }
        };
        std::vector<QPoint> wave;
        for (int x = 60; x <= 460; x += 2)
            wave.emplace_back(x, 160 + static_cast<int>(std::lround(30 * std::sin(x / 25.0))));
        stroke(wave);
        stroke({{60, 230}, {260, 230}, {460, 230}});
        look(QStringLiteral("tafel"), *window_);
        window_->leaveSheetCommand();
        open("01_Pflanze.qdr");
    }

    void worksheet() {
        open("02_Lueckentext.qdr");
        answer(QStringLiteral("Arbeitsblatt"), {[this](QWidget& dialog) {
                   look(QStringLiteral("arbeitsblatt"), dialog);
                   answer(QStringLiteral("Arbeitsblatt drucken"),
                          {lookAt(QStringLiteral("arbeitsblatt-drucken"))},
                          [&dialog] { PressButton(dialog, QStringLiteral("Drucken...")); });
               }},
               [this] { window_->worksheetCommand(); });
    }

    // The teacher starts a network exercise on the labelling sample; three learners join.
    void teacherNetwork() {
        open("01_Pflanze.qdr");
        answer(QStringLiteral("Netzwerk-Übung initiieren"),
               {lookAndAccept(QStringLiteral("netzwerk-einstellungen"))},
               [this] { window_->network().initiateCommand(); });
        NetworkSession& network = window_->network();
        if (!network.initiating())
            return missing_.append(QStringLiteral("Kontrollanzeige"));
        TALMailSlot2 sender(messages_, resolver_, platform::HostIdentity::system());
        const QString start = QTime(10, 15).toString(QStringLiteral("hh:mm:ss"));
        int n = 0;
        for (const Learner& learner : kLearners) {
            const QString key = QStringLiteral("SCHLUESSEL%1").arg(++n);
            const auto send = [&](const QStringList& lines) {
                network.masterMailslotNewMessage(sender, QString::fromLatin1(learner.computer),
                                                 lines.join(QStringLiteral("\r\n")) +
                                                     QStringLiteral("\r\n"),
                                                 QString::fromLatin1(learner.name));
            };
            send(TnInitLines(key, QString::fromLatin1(learner.name), start));
            UebDataTyp run;
            run.RunQueries = 6;
            run.TotalQueries = 6;
            run.CorrectCount = learner.right;
            run.FailedAttempts = learner.wrong;
            run.OpenCount = 6 - learner.right;
            run.SuccessQuota = learner.right / double(learner.right + learner.wrong);
            run.TotalPerformance = run.SuccessQuota * learner.right / 6;
            const RunEnd end = learner.right == 6 ? RunEnd::Completed : RunEnd::Running;
            send(TnAktionLines(key, {}, end, start, run, false, QStringLiteral("02:%1").arg(10 * n),
                               learner.right == 6 ? 1 : 3));
            if (end == RunEnd::Completed)
                send(TnFertigLines(key, end, QStringLiteral("02:10")));
        }
        look(QStringLiteral("kontrollanzeige"), *window_->controlDisplay());
        network.endCommand();
        window_->controlDisplay()->close();
    }

    void learnerNetwork() {
        TNetzUebungTnStartForm form(
            messages_,
            [] {
                return TNetzUebungTnStartForm::Check{true,
                                                     QStringLiteral("Die Teile einer Pflanze")};
            },
            window_.get());
        answer(QStringLiteral("An Netzwerk-Übung teilnehmen"), {[this](QWidget& dialog) {
                   if (auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("TNameEdit")))
                       edit->setText(QStringLiteral("Anna"));
                   // The dialog looks for the network exercise twice a second.
                   QElapsedTimer waited;
                   waited.start();
                   while (waited.elapsed() < 700)
                       QApplication::processEvents(QEventLoop::AllEvents, 50);
                   look(QStringLiteral("teilnehmen"), dialog);
               }},
               [&form] { form.exec(); });
    }

    QString folder_;
    QSize size_;
    const Visitor& visit_;
    RecordingMessages messages_;
    NoPickers pickers_;
    NoBusyIndicator busy_;
    NoShell shell_;
    UserSettingsStore store_;
    NoSound sound_;
    NoMail mail_;
    platform::HostResolver resolver_ = platform::HostResolver::fromEnvironment();
    AppState app_;
    std::unique_ptr<MainWindow> window_;
    QStringList missing_;
};

} // namespace

QStringList WalkThroughProgram(const QString& folder, QSize size, const Visitor& visit) {
    return Tour(folder, size, visit).walk();
}

} // namespace quindor::tour
