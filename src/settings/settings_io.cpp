#include "settings/settings_io.h"

#include "settings/private_profile.h"

#include <QDir>

namespace quindor {

namespace {

// The rest of the program joins file names straight onto a folder, so a configured folder
// gets its trailing separator here; an empty one would point at the working directory and
// keeps the folder in effect.
std::optional<QString> AsFolder(const std::optional<QString>& value) {
    if (!value || value->isEmpty())
        return std::nullopt;
    if (value->endsWith(u'/') || value->endsWith(QDir::separator()))
        return value;
    return *value + QDir::separator();
}

QString Numbered(const char* name, int number) {
    return QLatin1String(name) + QString::number(number);
}

// Every value of the user store in the order it is written; S and P are const for writing.
template <typename S, typename P, typename Visitor>
void VisitUserValues(S& s, P& state, Visitor& v) {
    v.value(QStringLiteral("Opt-Sound"), s.OptSound);
    v.value(QStringLiteral("Opt-UebNameEingabe"), s.OptUebNameEingabe);
    v.value(QStringLiteral("Opt-UebStatusInfo"), s.OptUebStatusInfo);
    v.value(QStringLiteral("Opt-AutoProtSpeichern"), s.OptAutoProtSpeichern);
    v.value(QStringLiteral("Opt-ErgebBestListEintragen"), s.OptErgebBestListEintragen);
    v.value(QStringLiteral("Opt-UebErgebAnzeigen"), s.OptUebErgebAnzeigen);
    v.folder(QStringLiteral("NetzKomOrdner"), state.CommFolder);
    v.value(QStringLiteral("NetzKomKanal"), state.CommChannel);
    v.value(QStringLiteral("NetzKomVerfahren"), s.NetzKomVerfahren);
    v.folder(QStringLiteral("Opt-ChronikOrdner"), state.ChronicleFolder);
    v.folder(QStringLiteral("Opt-ProtOrdner"), state.ProtocolFolder);
    v.folder(QStringLiteral("Opt-BestListOrdner"), state.BestListFolder);
    for (int i = 0; i < 3; ++i)
        v.value(Numbered("Opt-Verknuepfung", i + 1), s.Verknuepfung[i]);
    for (int i = 0; i < 3; ++i)
        v.value(Numbered("Opt-VerknuepfungName", i + 1), s.VerknuepfungName[i]);
    for (int i = 0; i < 3; ++i)
        v.value(Numbered("Opt-VerknuepfungHint", i + 1), s.VerknuepfungHint[i]);
    v.value(QStringLiteral("Opt-VerknuepfungT"), s.VerknuepfungT);
    v.value(QStringLiteral("Opt-VerknuepfungHintT"), s.VerknuepfungHintT);
    v.value(QStringLiteral("Opt-WerkzeugPos"), s.WerkzeugPos);
    for (int grade = 1; grade <= 5; ++grade)
        v.value(Numbered("Opt-NoteMinQuote", grade), s.NoteMinQuote[grade]);
    for (int points = 1; points <= 15; ++points)
        v.value(Numbered("Opt-PunkteMinQuote", points), s.PunkteMinQuote[points]);
    v.value(QStringLiteral("Opt-BewertSkala"), s.BewertSkala);
    v.value(QStringLiteral("Opt-Schriftart"), s.Schriftart);

    auto& ueb = s.UebOpt;
    v.value(QStringLiteral("UebOpt-AbfrageModus"), ueb.AbfrageModus);
    v.value(QStringLiteral("UebOpt-ZeitLimit"), ueb.Zeitlimit);
    v.value(QStringLiteral("UebOpt-ZuordnungRichtig"), ueb.ZuordnungRichtig);
    v.value(QStringLiteral("UebOpt-ZuordnungFalsch"), ueb.ZuordnungFalsch);
    v.value(QStringLiteral("UebOpt-Zuordnungstexte"), ueb.Zuordnungstexte);
    v.value(QStringLiteral("UebOpt-Zuordnungsziele"), ueb.Zuordnungsziele);
    v.time(QStringLiteral("UebOpt-ZLimitMin"), ueb.ZLimitMin);
    v.time(QStringLiteral("UebOpt-ZLimitSek"), ueb.ZLimitSek);
    v.value(QStringLiteral("UebOpt-AnzZeichenVorgeben"), ueb.AnzZeichenVorgeben);

    auto& fragen = s.UebOptFragen;
    v.value(QStringLiteral("UebOptFragen-ZuordnungFalsch"), fragen.ZuordnungFalsch);
    v.value(QStringLiteral("UebOptFragen-Zuordnungstexte"), fragen.Zuordnungstexte);
    v.value(QStringLiteral("UebOptFragen-Zeitlimit"), fragen.Zeitlimit);
    v.value(QStringLiteral("UebOptFragen-Zuordnungsziele"), fragen.Zuordnungsziele);
    v.time(QStringLiteral("UebOptFragen-ZLimitMin"), fragen.ZLimitMin);
    v.time(QStringLiteral("UebOptFragen-ZLimitSek"), fragen.ZLimitSek);

    auto& korb = s.UebOptKorb;
    v.value(QStringLiteral("UebOptKorb-AbfrageModus"), korb.AbfrageModus);
    v.value(QStringLiteral("UebOptKorb-Zeitlimit"), korb.Zeitlimit);
    v.time(QStringLiteral("UebOptKorb-ZLimitMin"), korb.ZLimitMin);
    v.time(QStringLiteral("UebOptKorb-ZLimitSek"), korb.ZLimitSek);

    v.value(QStringLiteral("Dok-SeitRatioArt"), s.DokSeitRatioArt);
    v.value(QStringLiteral("Dok-SeitRatioBreite"), s.DokSeitRatioBreite);
    v.value(QStringLiteral("Dok-SeitRatioHoehe"), s.DokSeitRatioHoehe);
    v.value(QStringLiteral("Symbolstempel-Zeichen"), s.SymbolstempelZeichen);
    for (int i = 0; i < 10; ++i)
        v.value(Numbered("Symbolstempel-Fontname", i + 1), s.SymbolstempelFontname[i]);
}

template <typename T> void Assign(T& target, const std::optional<T>& value) {
    if (value)
        target = *value;
}

struct StoreReader {
    const SettingsStore& store;

    void value(const QString& name, bool& v) { Assign(v, store.readBool(name)); }
    void value(const QString& name, int& v) { Assign(v, store.readInt(name)); }
    void value(const QString& name, double& v) { Assign(v, store.readDouble(name)); }
    void value(const QString& name, QString& v) { Assign(v, store.readString(name)); }
    void folder(const QString& name, QString& v) { Assign(v, AsFolder(store.readString(name))); }
    // A time field the dialog could not have stored keeps its default.
    void time(const QString& name, QString& v) {
        const std::optional<QString> text = store.readString(name);
        if (text && IsTimeFieldText(*text))
            v = *text;
    }
};

struct StoreWriter {
    SettingsStore& store;

    void value(const QString& name, bool v) { store.writeBool(name, v); }
    void value(const QString& name, int v) { store.writeInt(name, v); }
    void value(const QString& name, double v) { store.writeDouble(name, v); }
    void value(const QString& name, const QString& v) { store.writeString(name, v); }
    void folder(const QString& name, const QString& v) { store.writeString(name, v); }
    void time(const QString& name, const QString& v) { store.writeString(name, v); }
};

// One section of config.ini; its keys count only while the section's switch is on.
class CentralSection {
public:
    CentralSection(const PrivateProfile& profile, const QString& name, const QLocale& locale)
        : profile_(profile), name_(name), locale_(locale) {
        enabled_ = profile_.intValue(name_, name_ + QStringLiteral("DefZentral")).value_or(0) != 0;
    }

    bool enabled() const { return enabled_; }

    void boolean(const QString& key, bool& v) const {
        if (const std::optional<int> number = profile_.intValue(name_, key))
            v = *number != 0;
    }
    void integer(const QString& key, int& v) const { Assign(v, profile_.intValue(name_, key)); }
    // An empty entry would leave the program without a font, channel or folder.
    void text(const QString& key, QString& v) const {
        const std::optional<QString> value = profile_.value(name_, key);
        if (value && !value->isEmpty())
            v = *value;
    }
    void folder(const QString& key, QString& v) const {
        Assign(v, AsFolder(profile_.value(name_, key)));
    }
    // Reals are written in percent.
    void percent(const QString& key, double& v) const {
        const std::optional<QString> value = profile_.value(name_, key);
        if (!value)
            return;
        bool ok = false;
        const double number = locale_.toDouble(*value, &ok);
        if (ok)
            v = number / 100.0;
    }

private:
    const PrivateProfile& profile_;
    QString name_;
    QLocale locale_;
    bool enabled_ = false;
};

} // namespace

void ReadUserSettings(const SettingsStore& store, Settings& settings, ProgramState& state) {
    StoreReader reader{store};
    VisitUserValues(settings, state, reader);
}

bool WriteUserSettings(SettingsStore& store, const Settings& settings, const ProgramState& state) {
    StoreWriter writer{store};
    VisitUserValues(settings, state, writer);
    return store.sync();
}

void ReadCentralDefaults(const QString& iniPath, Settings& settings, ProgramState& state,
                         const QLocale& locale) {
    const std::optional<PrivateProfile> profile = PrivateProfile::Load(iniPath);
    if (!profile)
        return;
    // Like the private-profile reader of Windows: "90.5" is no number in a German locale.
    QLocale strict = locale;
    strict.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);

    const CentralSection folders(*profile, QStringLiteral("Ordner"), strict);
    if (folders.enabled()) {
        folders.folder(QStringLiteral("OrdnerChronik"), state.ChronicleFolder);
        folders.folder(QStringLiteral("OrdnerProtokoll"), state.ProtocolFolder);
        folders.folder(QStringLiteral("OrdnerBestenliste"), state.BestListFolder);
    }

    const CentralSection network(*profile, QStringLiteral("NetzKom"), strict);
    if (network.enabled()) {
        network.folder(QStringLiteral("NetzKomOrdner"), state.CommFolder);
        network.text(QStringLiteral("NetzKomKanal"), state.CommChannel);
        network.integer(QStringLiteral("NetzKomVerfahren"), settings.NetzKomVerfahren);
    }

    const CentralSection grades(*profile, QStringLiteral("Notenskala"), strict);
    if (grades.enabled()) {
        for (int grade = 1; grade <= 5; ++grade)
            grades.percent(Numbered("Note", grade), settings.NoteMinQuote[grade]);
        for (int points = 1; points <= 15; ++points)
            grades.percent(Numbered("Punkte", points), settings.PunkteMinQuote[points]);
        grades.integer(QStringLiteral("BewertSkala"), settings.BewertSkala);
    }

    const CentralSection options(*profile, QStringLiteral("Optionen"), strict);
    if (options.enabled()) {
        options.boolean(QStringLiteral("Tonausgabe"), settings.OptSound);
        options.boolean(QStringLiteral("Namenseingabe"), settings.OptUebNameEingabe);
        options.boolean(QStringLiteral("Statusinfo"), settings.OptUebStatusInfo);
        options.boolean(QStringLiteral("ProtokollAutospeichern"), settings.OptAutoProtSpeichern);
        options.boolean(QStringLiteral("BestenlisteAutoeintrag"),
                        settings.OptErgebBestListEintragen);
        options.boolean(QStringLiteral("UebungsergebnisAnzeigen"), settings.OptUebErgebAnzeigen);
        options.text(QStringLiteral("Schriftart"), settings.Schriftart);
        options.integer(QStringLiteral("WerkzeugPos"), settings.WerkzeugPos);
    }
}

} // namespace quindor
