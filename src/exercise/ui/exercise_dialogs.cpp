#include "exercise/ui/exercise_dialogs.h"

#include "core/messages.h"
#include "exercise/grading.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace quindor {

RadioGroup::RadioGroup(const QString& objectName, const QString& caption, const QStringList& items,
                       QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    for (qsizetype i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        buttons_->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::changed);
}

void RadioGroup::setValue(int value) {
    if (QAbstractButton* button = buttons_->button(value))
        button->setChecked(true);
}

void RadioGroup::setItemText(int index, const QString& text) {
    if (QAbstractButton* button = buttons_->button(index))
        button->setText(text);
}

namespace {

// Baskets are not asked one by one: their single query offers only cards.
QString QueryModeExplanation(OptionsFamily family, int mode) {
    switch (mode) {
    case 1:
    case 2:
        if (family == OptionsFamily::Cluster)
            return QStringLiteral("Bei der Einzelabfrage werden Texte/Bilder einzeln vorgegeben.");
        return QStringLiteral("Bei der Einzelabfrage werden Texte/Bilder bzw. Positionen einzeln "
                              "vorgegeben.");
    case 3:
        return QStringLiteral("Texte in beliebiger Reihenfolge per Tastatur eingeben");
    default:
        return QStringLiteral("Texte/Bilder in beliebiger Reihenfolge zuordnen");
    }
}

QLineEdit* NumberField(const QString& name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(2);
    // A range validator would let 60 to 99 stand as "intermediate" input.
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-5]?[0-9]")), field));
    field->setFixedWidth(34);
    return field;
}

QLabel* Sample(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: #505050;"));
    return label;
}

// A radio group with a sample text beside it, as the order groups show them.
QWidget* WithSamples(RadioGroup* group, const QStringList& samples) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group, 1);
    auto* column = new QVBoxLayout;
    for (const QString& sample : samples)
        column->addWidget(Sample(sample, row));
    layout->addLayout(column);
    return row;
}

} // namespace

ExerciseOptionsDialog::ExerciseOptionsDialog(OptionsFamily family, Settings& settings,
                                             QWidget* parent)
    : QDialog(parent), family_(family), settings_(settings) {
    static const char* const kNames[] = {"TUebOptForm", "TUebOptFragenForm", "TUebOptKorbForm",
                                         "TUebOptKreuzverbindungForm"};
    static const char* const kCaptions[] = {
        "Übungseinstellungen für Text-Bild- / Bild-Text-Zuordnung und Lückentext",
        "Übungseinstellungen für Einzelfragen und Multiple-Choice-Fragen",
        "Übungseinstellungen für Cluster-Übung", "Übungseinstellungen für Über-Kreuz-Zuordnung"};
    setObjectName(QString::fromLatin1(kNames[static_cast<int>(family)]));
    setWindowTitle(QString::fromUtf8(kCaptions[static_cast<int>(family)]));
    auto* layout = new QVBoxLayout(this);

    if (family == OptionsFamily::Labelling || family == OptionsFamily::Cluster) {
        QStringList items = {QStringLiteral(" Freie Zuordnung "),
                             QStringLiteral(" Einzelabfrage Texte/Bilder ")};
        if (family == OptionsFamily::Labelling)
            items << QStringLiteral(" Einzelabfrage Positionen ")
                  << QStringLiteral(" Texteingabe ");
        queryMode_ = new RadioGroup(QStringLiteral("AbfrageModus"),
                                    QStringLiteral(" Abfragemodus "), items, this);
        queryModeNote_ = new QLabel(queryMode_);
        queryModeNote_->setWordWrap(true);
        queryMode_->layout()->addWidget(queryModeNote_);
        connect(queryMode_, &RadioGroup::changed, this, &ExerciseOptionsDialog::queryModeChanged);
        layout->addWidget(queryMode_);
    }
    if (family == OptionsFamily::Questions) {
        falsch_ = new RadioGroup(
            QStringLiteral("ZuordnungFalsch"), QStringLiteral(" Abfragemodus "),
            {QStringLiteral(" Solange wiederholen, bis jede Frage richtig beantwortet wurde "),
             QStringLiteral(" Jede Frage nur einmal stellen ")},
            this);
        texte_ = new RadioGroup(
            QStringLiteral("Zuordnungstexte"), QStringLiteral(" Reihenfolge der Antwortvorgaben "),
            {QStringLiteral(" Alphabetisch geordnet "), QStringLiteral(" Zufällig gemischt ")},
            this);
        ziele_ = new RadioGroup(
            QStringLiteral("Zuordnungsziele"), QStringLiteral(" Reihenfolge der Fragen "),
            {QStringLiteral(" Wie vorgegeben geordnet "), QStringLiteral(" Zufällig gemischt ")},
            this);
        layout->addWidget(falsch_);
        layout->addWidget(texte_);
        layout->addWidget(ziele_);
    }
    addTimeLimit(family == OptionsFamily::Questions ? QStringLiteral(" Zeitlimit von: ")
                                                    : QStringLiteral(" Mit Zeitlimit: "));

    if (family == OptionsFamily::Labelling) {
        extendedGroups_ = new QWidget(this);
        auto* groups = new QGridLayout(extendedGroups_);
        groups->setContentsMargins(0, 0, 0, 0);
        richtig_ = new RadioGroup(QStringLiteral("ZuordnungRichtig"),
                                  QStringLiteral(" Verhalten bei richtiger Zuordnung "),
                                  {QStringLiteral(" Beschriftung einblenden "),
                                   QStringLiteral(" Grünes Häkchen setzen ")});
        falsch_ = new RadioGroup(QStringLiteral("ZuordnungFalsch"),
                                 QStringLiteral(" Verhalten bei falscher Zuordnung (Fehlversuch) "),
                                 {QStringLiteral(" Beliebig viele Zuordnungsversuche erlaubt "),
                                  QStringLiteral(" Rotes Kreuz setzen, ")});
        falsch_->layout()->addWidget(
            new QLabel(QStringLiteral("      keine erneute Zuordnung an dieser Position")));
        texte_ = new RadioGroup(
            QStringLiteral("Zuordnungstexte"), QStringLiteral(" Zuordnungstexte "),
            {QStringLiteral(" Alphabetisch geordnet "), QStringLiteral(" Zufällig gemischt ")});
        ziele_ = new RadioGroup(
            QStringLiteral("Zuordnungsziele"), QStringLiteral(" Zuordnungsziele (Positionen) "),
            {QStringLiteral(" Geordnet nummeriert "),
             QStringLiteral(" Zufällig gemischt nummeriert "), QStringLiteral(" Fragezeichen ")});
        groups->addWidget(richtig_, 0, 0);
        groups->addWidget(falsch_, 0, 1);
        groups->addWidget(
            WithSamples(texte_, {QStringLiteral("A B C D ..."), QStringLiteral("B D A C ...")}), 1,
            0);
        groups->addWidget(WithSamples(ziele_, {QStringLiteral("1 2 3 4 ..."),
                                               QStringLiteral("2 4 1 3 ..."), QStringLiteral("?")}),
                          1, 1);
        typingPanel_ = new QWidget(extendedGroups_);
        auto* typing = new QVBoxLayout(typingPanel_);
        typing->addWidget(new QLabel(QStringLiteral(
            "Beim Abfragemodus \"Texteingabe\" sind keine weiteren Optionen verfügbar.")));
        auto* options = new QGroupBox(QStringLiteral(" Optionen "), typingPanel_);
        auto* optionsLayout = new QVBoxLayout(options);
        anzZeichen_ = new QCheckBox(
            QStringLiteral("Anzahl der Zeichen im Eingabefeld vorgeben <?>"), options);
        anzZeichen_->setObjectName(QStringLiteral("AnzZeichenVorgabeCheck"));
        optionsLayout->addWidget(anzZeichen_);
        typing->addWidget(options);
        typing->addStretch();
        groups->addWidget(typingPanel_, 0, 0, 2, 2);
        typingPanel_->setAutoFillBackground(true);
        layout->addWidget(extendedGroups_);
    }

    showBefore_ =
        new QCheckBox(QStringLiteral(" Dieses Dialogfenster vor jeder Übung anzeigen "), this);
    showBefore_->setObjectName(family == OptionsFamily::Questions
                                   ? QStringLiteral("UebOptFragenZeigenCheck")
                                   : QStringLiteral("UebOptZeigenCheck"));
    showBefore_->setChecked(true);
    layout->addWidget(showBefore_);
    networkNote_ = new QLabel(
        QStringLiteral("Klicken Sie auf \"Übung starten\" um die Netzwerk-Übung zu initiieren.  "
                       "      Alle getätigten Einstellungen werden an die Übungsteilnehmer "
                       "übermittelt."),
        this);
    networkNote_->setObjectName(QStringLiteral("NetzwerkHinweisPanel"));
    networkNote_->setWordWrap(true);
    networkNote_->hide();
    layout->addWidget(networkNote_);
    caption_ = windowTitle();

    auto* buttons = new QHBoxLayout;
    if (family == OptionsFamily::Labelling) {
        extendButton_ = new QPushButton(QStringLiteral("Erweitert..."), this);
        connect(extendButton_, &QPushButton::clicked, this, [this] { setExtended(!extended_); });
        buttons->addWidget(extendButton_);
    }
    buttons->addStretch();
    auto* start = new QPushButton(QStringLiteral("Übung starten"), this);
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &QDialog::accept);
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(start);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    if (extendedGroups_)
        setExtended(false);
}

void ExerciseOptionsDialog::addTimeLimit(const QString& limitedItem) {
    timeLimit_ = new RadioGroup(QStringLiteral("Zeitlimit"), QStringLiteral(" Zeitlimit "),
                                {QStringLiteral(" Ohne Zeitlimit, mit Uhr "), limitedItem,
                                 QStringLiteral(" Ohne Zeitlimit, ohne Uhr ")},
                                this);
    auto* row = new QHBoxLayout;
    minutes_ = NumberField(QStringLiteral("ZLimitMin"), timeLimit_);
    seconds_ = NumberField(QStringLiteral("ZLimitSek"), timeLimit_);
    row->addSpacing(24);
    row->addWidget(minutes_);
    row->addWidget(new QLabel(QStringLiteral("Min."), timeLimit_));
    row->addWidget(seconds_);
    row->addWidget(new QLabel(QStringLiteral("Sek."), timeLimit_));
    row->addStretch();
    static_cast<QVBoxLayout*>(timeLimit_->layout())->insertLayout(2, row);
    // Typing a limit chooses the time limit.
    for (QLineEdit* field : {minutes_, seconds_})
        connect(field, &QLineEdit::textEdited, this, [this] { timeLimit_->setValue(1); });
    layout()->addWidget(timeLimit_);
}

void ExerciseOptionsDialog::setExtended(bool extended) {
    extended_ = extended;
    extendedGroups_->setVisible(extended);
    extendButton_->setText(extended ? QStringLiteral("Reduziert...")
                                    : QStringLiteral("Erweitert..."));
    adjustSize();
    if (const QScreen* screen = this->screen()) {
        const int screenHeight = screen->availableGeometry().height();
        if (geometry().bottom() > screenHeight - 80)
            move(x(), std::max(0, screenHeight - height() - 80));
    }
}

void ExerciseOptionsDialog::queryModeChanged(int mode) {
    if (queryModeNote_)
        queryModeNote_->setText(QueryModeExplanation(family_, mode));
    if (typingPanel_) {
        typingPanel_->setVisible(mode == 3);
        typingPanel_->raise();
    }
    // The explanation may take another line: the dialog grows with it.
    if (isVisible())
        fitTexts();
}

void ExerciseOptionsDialog::fitTexts() {
    // Texts just set ask for their room once the layout requests they posted are through.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    adjustSize();
    // Word-wrapped texts at the width the dialog took may need more lines than its guess.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height())
        resize(width(), needed);
}

void ExerciseOptionsDialog::load(DocumentType type) {
    const auto time = [this](int limit, const QString& min, const QString& sek) {
        timeLimit_->setValue(limit);
        minutes_->setText(min);
        seconds_->setText(sek);
    };
    switch (family_) {
    case OptionsFamily::Labelling: {
        const LabellingExerciseOptions& o = settings_.UebOpt;
        queryMode_->setValue(o.AbfrageModus);
        time(o.Zeitlimit, o.ZLimitMin, o.ZLimitSek);
        richtig_->setValue(o.ZuordnungRichtig);
        falsch_->setValue(o.ZuordnungFalsch);
        texte_->setValue(o.Zuordnungstexte);
        ziele_->setValue(o.Zuordnungsziele);
        anzZeichen_->setChecked(o.AnzZeichenVorgeben);
        queryModeChanged(o.AbfrageModus);
        break;
    }
    case OptionsFamily::Questions: {
        const QuestionExerciseOptions& o = settings_.UebOptFragen;
        falsch_->setValue(o.ZuordnungFalsch);
        texte_->setItemText(0, type == DocumentType::MultipleChoice
                                   ? QStringLiteral(" Wie vorgegeben geordnet ")
                                   : QStringLiteral(" Alphabetisch geordnet "));
        texte_->setValue(o.Zuordnungstexte);
        ziele_->setValue(o.Zuordnungsziele);
        time(o.Zeitlimit, o.ZLimitMin, o.ZLimitSek);
        break;
    }
    case OptionsFamily::Cluster: {
        const ClusterExerciseOptions& o = settings_.UebOptKorb;
        queryMode_->setValue(o.AbfrageModus);
        time(o.Zeitlimit, o.ZLimitMin, o.ZLimitSek);
        queryModeChanged(o.AbfrageModus);
        break;
    }
    case OptionsFamily::CrossMatching: {
        const CrossMatchingExerciseOptions& o = settings_.UebOptKreuzverbindung;
        time(o.Zeitlimit, o.ZLimitMin, o.ZLimitSek);
        break;
    }
    }
    if (family_ == OptionsFamily::Labelling || family_ == OptionsFamily::Questions)
        showBefore_->setChecked(settings_.UebOptZeigen);
}

void ExerciseOptionsDialog::store() {
    switch (family_) {
    case OptionsFamily::Labelling: {
        LabellingExerciseOptions& o = settings_.UebOpt;
        o.AbfrageModus = queryMode_->value();
        o.Zeitlimit = timeLimit_->value();
        o.ZLimitMin = minutes_->text();
        o.ZLimitSek = seconds_->text();
        o.ZuordnungRichtig = richtig_->value();
        o.ZuordnungFalsch = falsch_->value();
        o.Zuordnungstexte = texte_->value();
        o.Zuordnungsziele = ziele_->value();
        o.AnzZeichenVorgeben = anzZeichen_->isChecked();
        break;
    }
    case OptionsFamily::Questions: {
        QuestionExerciseOptions& o = settings_.UebOptFragen;
        o.ZuordnungFalsch = falsch_->value();
        o.Zuordnungstexte = texte_->value();
        o.Zuordnungsziele = ziele_->value();
        o.Zeitlimit = timeLimit_->value();
        o.ZLimitMin = minutes_->text();
        o.ZLimitSek = seconds_->text();
        break;
    }
    case OptionsFamily::Cluster: {
        ClusterExerciseOptions& o = settings_.UebOptKorb;
        o.AbfrageModus = queryMode_->value();
        o.Zeitlimit = timeLimit_->value();
        o.ZLimitMin = minutes_->text();
        o.ZLimitSek = seconds_->text();
        break;
    }
    case OptionsFamily::CrossMatching: {
        CrossMatchingExerciseOptions& o = settings_.UebOptKreuzverbindung;
        o.Zeitlimit = timeLimit_->value();
        o.ZLimitMin = minutes_->text();
        o.ZLimitSek = seconds_->text();
        break;
    }
    }
    if (family_ == OptionsFamily::Labelling || family_ == OptionsFamily::Questions)
        settings_.UebOptZeigen = showBefore_->isChecked();
}

bool ExerciseOptionsDialog::showFor(DocumentType type) {
    load(type);
    return exec() == QDialog::Accepted;
}

void ExerciseOptionsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Sized for the texts it shows now (the query mode's explanation, the network note).
    fitTexts();
}

bool ExerciseOptionsDialog::showForNetwork(DocumentType type) {
    setWindowTitle(QStringLiteral("Netzwerk-") + caption_);
    showBefore_->hide();
    networkNote_->show();
    return showFor(type);
}

void ExerciseOptionsDialog::done(int result) {
    // Changes stay in force whichever way the dialog closes.
    store();
    networkNote_->hide();
    showBefore_->show();
    setWindowTitle(caption_);
    QDialog::done(result);
}

QString AskLearnerName(QWidget* parent, const QString& previous) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("TNameEingabeForm"));
    dialog.setWindowTitle(QStringLiteral("Teilnehmername eingeben"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* group = new QGroupBox(QStringLiteral(" Übungsteilnehmer "), &dialog);
    auto* form = new QFormLayout(group);
    auto* edit = new QLineEdit(previous, group);
    edit->setObjectName(QStringLiteral("TNameEdit"));
    edit->setMaxLength(30);
    auto* label = new QLabel(QStringLiteral("&Name:"), group);
    label->setBuddy(edit);
    form->addRow(label, edit);
    form->addRow(
        new QLabel(QStringLiteral("Bitte Name für Protokoll und Bestenliste eingeben."), group));
    layout->addWidget(group);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
    edit->selectAll();
    dialog.exec();
    return edit->text();
}

namespace {

// The scale picture of the result window.
class ScalePicture : public QWidget {
public:
    ScalePicture(const GradeScale& scale, double performance, QWidget* parent)
        : QWidget(parent), scale_(scale), performance_(performance) {
        setMinimumSize(180, 260);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        DrawGradeScalePicture(painter, size(), scale_, performance_);
    }

private:
    GradeScale scale_;
    double performance_;
};

} // namespace

ResultChoice ShowResultWindow(QWidget* parent, const UebDataTyp& run, Participation exerciseKind,
                              bool multipleChoice, const QString& clockLabel,
                              const QString& clockText, const ResultActions& actions) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("TUebFertigForm"));
    dialog.setWindowTitle(QStringLiteral("Übung beendet"));
    auto* layout = new QGridLayout(&dialog);

    const StatisticsTexts texts = StatisticsTextsOf(run, exerciseKind, multipleChoice);
    auto* statistics = new QGroupBox(QStringLiteral(" Statistik "), &dialog);
    auto* form = new QFormLayout(statistics);
    const auto row = [&](const QString& label, const QString& value, const char* name) {
        auto* field = new QLabel(value, statistics);
        field->setObjectName(QString::fromLatin1(name));
        form->addRow(label, field);
    };
    row(QStringLiteral("Richtig gelöst:"), CorrectOfText(run, multipleChoice), "RichtigLabel");
    row(QStringLiteral("Fehlversuche:"), texts.failed, "FehlLabel");
    row(QStringLiteral("Erfolgsquote:"), texts.quota, "QuoteLabel");
    row(QStringLiteral("Gesamtleistung:"), texts.performance, "LeistungLabel");
    row(clockLabel == QStringLiteral("Verbleibende Zeit:") ? QStringLiteral("Verbliebene Zeit:")
                                                           : QStringLiteral("Benötigte Zeit:"),
        clockText, "ZeitLabel");
    row(QStringLiteral("Offene Positionen:"), QString::number(run.OpenCount), "OffenLabel");
    row(QStringLiteral("Bewertung:"), GradeWord(run.Grade, run.BewertSkala), "BewertungLabel");
    row(UnitWord(run.BewertSkala) + QLatin1Char(':'), QString::number(run.Grade), "NoteLabel");
    layout->addWidget(statistics, 0, 0);

    auto* scaleBox = new QGroupBox(QStringLiteral(" Bewertungsskala "), &dialog);
    auto* scaleLayout = new QVBoxLayout(scaleBox);
    scaleLayout->addWidget(new ScalePicture(ScaleOf(run), run.TotalPerformance, scaleBox));
    layout->addWidget(scaleBox, 0, 1, 2, 1);

    auto* repeat = new RadioGroup(
        QStringLiteral("WiederholenGroup"), QStringLiteral(" Übung wiederholen "),
        {QStringLiteral(" Komplett wiederholen "),
         QStringLiteral(" Nur Abfragen wiederholen, die nicht auf Anhieb korrekt gelöst wurden ")},
        &dialog);
    repeat->setValue(0);
    repeat->setEnabled(exerciseKind == Participation::Individual && run.FailedAttempts > 0);
    layout->addWidget(repeat, 1, 0);

    auto* note = new QLabel(&dialog);
    note->setObjectName(QStringLiteral("BestListNote"));
    layout->addWidget(note, 2, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    auto* again = new QPushButton(QStringLiteral("Übung wiederholen"), &dialog);
    auto* leave = new QPushButton(QStringLiteral("Zur Lernansicht"), &dialog);
    auto* protocol = new QPushButton(QStringLiteral("Übungsprotokoll..."), &dialog);
    protocol->setEnabled(static_cast<bool>(actions.showProtocol));
    QObject::connect(protocol, &QPushButton::clicked, &dialog, [&actions] {
        if (actions.showProtocol)
            actions.showProtocol();
    });
    auto* bestList = new QPushButton(QStringLiteral("Bestenliste..."), &dialog);
    auto* enter = new QPushButton(QStringLiteral("In Bestenliste eintragen"), &dialog);
    enter->setObjectName(QStringLiteral("EintragenBtn"));
    enter->setVisible(actions.offerEntry);
    bestList->setEnabled(static_cast<bool>(actions.showBestList));
    buttons->addWidget(again);
    buttons->addWidget(protocol);
    buttons->addWidget(bestList);
    buttons->addWidget(enter);
    buttons->addStretch();
    buttons->addWidget(leave);
    layout->addLayout(buttons, 3, 0, 1, 2);
    QObject::connect(bestList, &QPushButton::clicked, &dialog, [&actions] {
        if (actions.showBestList)
            actions.showBestList();
    });
    QObject::connect(enter, &QPushButton::clicked, &dialog, [&actions, enter, note] {
        if (actions.enterInBestList && actions.enterInBestList()) {
            note->setText(QStringLiteral("Das Ergebnis wurde in die Bestenliste eingetragen."));
            enter->hide();
        } else if (actions.folderDialog) {
            actions.folderDialog();
        }
    });
    QObject::connect(again, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(leave, &QPushButton::clicked, &dialog, &QDialog::reject);
    leave->setDefault(true);
    leave->setFocus();

    ResultChoice choice;
    choice.repeat = dialog.exec() == QDialog::Accepted;
    choice.what = repeat->isEnabled() && repeat->value() == 1 ? Repeat::FailedOnly : Repeat::All;
    return choice;
}

QString PercentField(double fraction) {
    return QString::number(fraction * 100.0, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

double ParsePercent(const QString& text) {
    bool ok = false;
    const double value =
        QString(text).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&ok);
    return ok ? value : std::nan("");
}

GradeScaleDialog::GradeScaleDialog(Settings& settings, Messages& messages, QWidget* parent)
    : QDialog(parent), settings_(settings), messages_(messages) {
    setObjectName(QStringLiteral("TNotenskalaForm"));
    setWindowTitle(QStringLiteral("Noten-/Punkteskala zur Bewertung der Übungsergebnisse"));
    auto* layout = new QGridLayout(this);

    auto* grades = new QGroupBox(QStringLiteral(" Notengrenzen bezüglich Erfolgsquote "), this);
    auto* gradeGrid = new QGridLayout(grades);
    static const double kGradeRecommendations[] = {85.0, 70.0, 55.0, 40.0, 25.0};
    for (int g = 1; g <= 6; ++g) {
        const size_t i = static_cast<size_t>(g - 1);
        gradeLabels_[i] = new QLabel(grades);
        auto* field = new QLineEdit(grades);
        field->setObjectName(QStringLiteral("QuoteEdit%1").arg(g));
        field->setFixedWidth(50);
        grades_[i] = field;
        gradeGrid->addWidget(gradeLabels_[i], g, 0);
        gradeGrid->addWidget(new QLabel(QStringLiteral("ab"), grades), g, 1);
        gradeGrid->addWidget(field, g, 2);
        gradeGrid->addWidget(new QLabel(QStringLiteral("%"), grades), g, 3);
        if (g <= 5)
            gradeGrid->addWidget(
                new QLabel(QStringLiteral("(empfohlen: %1 %)")
                               .arg(PercentField(kGradeRecommendations[i] / 100.0)),
                           grades),
                g, 4);
    }
    grades_[5]->setText(QStringLiteral("0,0"));
    grades_[5]->setEnabled(false);
    layout->addWidget(grades, 0, 0);

    auto* points = new QGroupBox(QStringLiteral(" Punktegrenzen bezüglich Erfolgsquote "), this);
    auto* pointGrid = new QGridLayout(points);
    for (int n = 15; n >= 0; --n) {
        const int row = 15 - n;
        const QString label = n == 1   ? QStringLiteral("1 Punkt")
                              : n == 0 ? QStringLiteral("0 Punkte")
                                       : QStringLiteral("%1 Punkte").arg(n);
        auto* field = new QLineEdit(points);
        field->setObjectName(QStringLiteral("QuoteEditP%1").arg(n));
        field->setFixedWidth(50);
        points_[static_cast<size_t>(n)] = field;
        pointGrid->addWidget(new QLabel(label, points), row, 0);
        pointGrid->addWidget(new QLabel(QStringLiteral("ab"), points), row, 1);
        pointGrid->addWidget(field, row, 2);
        pointGrid->addWidget(new QLabel(QStringLiteral("%"), points), row, 3);
        if (n >= 1)
            pointGrid->addWidget(
                new QLabel(QStringLiteral("(empfohlen: %1 %)").arg(PercentField(0.20 + 0.05 * n)),
                           points),
                row, 4);
    }
    points_[0]->setText(QStringLiteral("0,0"));
    points_[0]->setEnabled(false);
    layout->addWidget(points, 0, 1, 3, 1);

    scale_ = new RadioGroup(QStringLiteral("BewertSkalaGroup"),
                            QStringLiteral(" Verwendete Skala zur Bewertung "),
                            {QStringLiteral(" Notenskala: 1 (beste) bis 6 "),
                             QStringLiteral(" Notenskala: 1 (beste) bis 5 "),
                             QStringLiteral(" Punkteskala: 0 bis 15 (beste)"),
                             QStringLiteral(" Notenskala: 1 bis 5 (beste)")},
                            this);
    layout->addWidget(scale_, 1, 0);
    layout->addWidget(
        new QLabel(QStringLiteral("Die Noten-/Punkteskala kann während einer Übung nicht geändert "
                                  "werden."),
                   this),
        2, 0);
    auto* box = new QDialogButtonBox(this);
    box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    box->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box, 3, 0, 1, 2);

    for (int g = 1; g <= 5; ++g)
        grades_[static_cast<size_t>(g - 1)]->setText(
            PercentField(settings.NoteMinQuote[static_cast<size_t>(g)]));
    for (int n = 1; n <= 15; ++n)
        points_[static_cast<size_t>(n)]->setText(
            PercentField(settings.PunkteMinQuote[static_cast<size_t>(n)]));
    scale_->setValue(settings.BewertSkala);
    connect(scale_, &RadioGroup::changed, this, [this](int value) {
        if (value == 1)
            grades_[4]->setText(QStringLiteral("0,0"));
        else if (value == 0 && ParsePercent(grades_[4]->text()) == 0.0)
            grades_[4]->setText(QStringLiteral("25,0"));
        updateLabels();
    });
    updateLabels();
}

void GradeScaleDialog::updateLabels() {
    static const char* const kWords[] = {"sehr gut",    "gut",        "befriedigend",
                                         "ausreichend", "mangelhaft", "ungenügend"};
    const int scale = scale_->value();
    for (int g = 1; g <= 6; ++g) {
        QString text;
        if (scale == 3) {
            if (g <= 5)
                text =
                    QStringLiteral("Note %1 - %2").arg(6 - g).arg(QString::fromUtf8(kWords[g - 1]));
        } else if (!(scale == 1 && g == 6)) {
            text = QStringLiteral("Note %1 - %2").arg(g).arg(QString::fromUtf8(kWords[g - 1]));
        }
        gradeLabels_[static_cast<size_t>(g - 1)]->setText(text);
    }
}

void GradeScaleDialog::accept() {
    std::array<double, 6> grades{};
    std::array<double, 16> points{};
    for (size_t i = 0; i < 6; ++i)
        grades[i] = ParsePercent(grades_[i]->text());
    for (size_t n = 0; n < 16; ++n)
        points[n] = ParsePercent(points_[n]->text());
    // A field that holds no number is out of range like any other.
    for (double& v : grades)
        v = std::isnan(v) ? -1.0 : v;
    for (double& v : points)
        v = std::isnan(v) ? -1.0 : v;
    if (const std::optional<QString> error = CheckGradeScaleFields(grades, points)) {
        messages_.error(*error);
        return;
    }
    for (int g = 1; g <= 5; ++g)
        settings_.NoteMinQuote[static_cast<size_t>(g)] = grades[static_cast<size_t>(g - 1)] / 100.0;
    for (int n = 1; n <= 15; ++n)
        settings_.PunkteMinQuote[static_cast<size_t>(n)] = points[static_cast<size_t>(n)] / 100.0;
    settings_.BewertSkala = scale_->value();
    QDialog::accept();
}

} // namespace quindor
