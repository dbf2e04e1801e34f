#include "exercise/exercise_options.h"

namespace quindor {

int TimeLimitSeconds(const QString& minutes, const QString& seconds) {
    const auto field = [](const QString& text) {
        const QString trimmed = text.trimmed();
        return IsTimeFieldText(trimmed) ? trimmed.toInt() : 0;
    };
    return field(minutes) * 60 + field(seconds);
}

void TakeOptions(const Settings& settings, DocumentType type, UebDataTyp& run) {
    const auto common = [&run](int richtig, int falsch, int texte, int ziele, int modus,
                               int zeitlimit, const QString& min, const QString& sek,
                               bool anzZeichen) {
        run.RiFaRueckmeldungItemIndex = 0;
        run.ZuordnungRichtigItemIndex = richtig;
        run.ZuordnungFalschItemIndex = falsch;
        run.ZuordnungstexteItemIndex = texte;
        run.ZuordnungszieleItemIndex = ziele;
        run.AbfrageModusItemIndex = modus;
        run.ZeitLimitIndex = zeitlimit;
        run.ZeitLimitWert = TimeLimitSeconds(min, sek);
        run.AnzZeichenVorgeben = anzZeichen ? 1 : 0;
    };
    if (!IsKnownType(type))
        return;
    switch (RowOf(type).family) {
    case OptionsFamily::Labelling: {
        const LabellingExerciseOptions& o = settings.UebOpt;
        common(o.ZuordnungRichtig, o.ZuordnungFalsch, o.Zuordnungstexte, o.Zuordnungsziele,
               o.AbfrageModus, o.Zeitlimit, o.ZLimitMin, o.ZLimitSek, o.AnzZeichenVorgeben);
        break;
    }
    case OptionsFamily::Questions: {
        const QuestionExerciseOptions& o = settings.UebOptFragen;
        common(0, o.ZuordnungFalsch, o.Zuordnungstexte, o.Zuordnungsziele, 0, o.Zeitlimit,
               o.ZLimitMin, o.ZLimitSek, false);
        break;
    }
    case OptionsFamily::Cluster: {
        const ClusterExerciseOptions& o = settings.UebOptKorb;
        common(0, 0, 1, 2, o.AbfrageModus, o.Zeitlimit, o.ZLimitMin, o.ZLimitSek, false);
        break;
    }
    case OptionsFamily::CrossMatching: {
        const CrossMatchingExerciseOptions& o = settings.UebOptKreuzverbindung;
        common(0, 0, 1, 2, 0, o.Zeitlimit, o.ZLimitMin, o.ZLimitSek, false);
        break;
    }
    }
    run.NoteMinQuote = settings.NoteMinQuote;
    run.PunkteMinQuote = settings.PunkteMinQuote;
    run.BewertSkala = settings.BewertSkala;
}

} // namespace quindor
