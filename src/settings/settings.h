#pragma once

#include <QString>

#include <array>

namespace quindor {

// Options of the image-labelling and gap-text exercises (dialog TUebOptForm).
struct LabellingExerciseOptions {
    int AbfrageModus = 0;
    int Zeitlimit = 0;
    // Kept as typed in the dialog's number fields.
    QString ZLimitMin = QStringLiteral("3");
    QString ZLimitSek = QStringLiteral("0");
    int ZuordnungRichtig = 0;
    int ZuordnungFalsch = 0;
    int Zuordnungstexte = 1;
    int Zuordnungsziele = 1;
    bool AnzZeichenVorgeben = false;
};

// Options of the single-question and multiple-choice exercises (TUebOptFragenForm).
struct QuestionExerciseOptions {
    int ZuordnungFalsch = 0;
    int Zuordnungstexte = 1;
    int Zuordnungsziele = 1;
    int Zeitlimit = 0;
    QString ZLimitMin = QStringLiteral("3");
    QString ZLimitSek = QStringLiteral("0");
};

// Options of the cluster exercises (TUebOptKorbForm).
struct ClusterExerciseOptions {
    int AbfrageModus = 0;
    int Zeitlimit = 0;
    QString ZLimitMin = QStringLiteral("3");
    QString ZLimitSek = QStringLiteral("0");
};

// Options of the cross-matching exercises (TUebOptKreuzverbindungForm). Not stored: every run
// of the program starts from these defaults.
struct CrossMatchingExerciseOptions {
    int Zeitlimit = 0;
    QString ZLimitMin = QStringLiteral("3");
    QString ZLimitSek = QStringLiteral("0");
};

// A minute or second field of a time limit as the settings dialogs take it: empty, or one or
// two digits from 0 to 59.
bool IsTimeFieldText(const QString& text);

// Replaces every %NAME% whose variable is set by its value; unknown names stay as written.
QString ExpandEnvironmentVariables(const QString& text);
// The system's on-screen keyboard program (on Windows with the environment variables
// expanded), empty when there is none.
QString DefaultVerknuepfungT();

// The user's options with their defaults (the values in effect when no store holds them). The
// program folders and the channel name live in ProgramState.
struct Settings {
    bool OptSound = true;
    bool OptUebNameEingabe = true;
    bool OptUebStatusInfo = true;
    bool OptAutoProtSpeichern = false;
    bool OptErgebBestListEintragen = false;
    bool OptUebErgebAnzeigen = true;

    // 1 combined (mailslot datagrams), any other value folder only.
    int NetzKomVerfahren = 1;

    // Program links 1 to 3 at index 0 to 2; an empty target means the link is not set up.
    std::array<QString, 3> Verknuepfung;
    std::array<QString, 3> VerknuepfungName = {QStringLiteral("V1"), QStringLiteral("V2"),
                                               QStringLiteral("V3")};
    std::array<QString, 3> VerknuepfungHint = {QStringLiteral("Programmverknüpfung 1"),
                                               QStringLiteral("Programmverknüpfung 2"),
                                               QStringLiteral("Programmverknüpfung 3")};
    QString VerknuepfungT = DefaultVerknuepfungT();
    QString VerknuepfungHintT = QStringLiteral("Bildschirmtastatur");

    // Tool bar: 0 right, any other value left.
    int WerkzeugPos = 0;

    // Indexed as the grading uses them: grade g (points n) at index g (n). The outer entries are
    // fixed and never stored.
    std::array<double, 7> NoteMinQuote = {1.0, 0.85, 0.70, 0.55, 0.40, 0.25, 0.0};
    std::array<double, 17> PunkteMinQuote = {0.0,  0.25, 0.30, 0.35, 0.40, 0.45, 0.50, 0.55, 0.60,
                                             0.65, 0.70, 0.75, 0.80, 0.85, 0.90, 0.95, 1.0};
    int BewertSkala = 0;

    QString Schriftart = QStringLiteral("Arial");

    LabellingExerciseOptions UebOpt;
    // " Dieses Dialogfenster vor jeder Übung anzeigen ", shared by the settings dialogs; not
    // stored, every program run starts with it checked.
    bool UebOptZeigen = true;
    QuestionExerciseOptions UebOptFragen;
    ClusterExerciseOptions UebOptKorb;
    CrossMatchingExerciseOptions UebOptKreuzverbindung;

    // Page format of new documents.
    int DokSeitRatioArt = 1;
    int DokSeitRatioBreite = 10;
    int DokSeitRatioHoehe = 7;

    // Stamp k (1 to 10) is character k - 1 with font k - 1.
    QString SymbolstempelZeichen = QStringLiteral("üû«JKL+-rf");
    std::array<QString, 10> SymbolstempelFontname = {
        QStringLiteral("Wingdings"), QStringLiteral("Wingdings"), QStringLiteral("Wingdings"),
        QStringLiteral("Wingdings"), QStringLiteral("Wingdings"), QStringLiteral("Wingdings"),
        QStringLiteral("Arial"),     QStringLiteral("Arial"),     QStringLiteral("Arial"),
        QStringLiteral("Arial")};
};

} // namespace quindor
