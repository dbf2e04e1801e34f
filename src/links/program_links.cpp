#include "links/program_links.h"

#include <QFileInfo>

namespace quindor {

ProgramLinks ProgramLinksOf(const Settings& settings) {
    ProgramLinks links;
    for (size_t i = 0; i < 3; ++i)
        links[i] = {settings.Verknuepfung[i], settings.VerknuepfungName[i],
                    settings.VerknuepfungHint[i]};
    links[kKeyboardLink] = {settings.VerknuepfungT, QString(), settings.VerknuepfungHintT};
    return links;
}

void StoreProgramLinks(Settings& settings, const ProgramLinks& links) {
    for (size_t i = 0; i < 3; ++i) {
        settings.Verknuepfung[i] = links[i].target;
        settings.VerknuepfungName[i] = links[i].caption;
        settings.VerknuepfungHint[i] = links[i].hint;
    }
    settings.VerknuepfungT = links[kKeyboardLink].target;
    settings.VerknuepfungHintT = links[kKeyboardLink].hint;
}

ProgramLink ClearedProgramLink(int index) {
    const Settings defaults;
    if (index == kKeyboardLink)
        return {QString(), QString(), defaults.VerknuepfungHintT};
    const size_t i = static_cast<size_t>(index);
    return {QString(), defaults.VerknuepfungName[i], defaults.VerknuepfungHint[i]};
}

QString ProgramLinkName(int index) {
    return index == kKeyboardLink ? QStringLiteral("für Bildschirmtastatur")
                                  : QStringLiteral("V%1").arg(index + 1);
}

QString ProgramLinkBrowseTitle(int index) {
    return QStringLiteral("Datei für Verknüpfungsfeld ") + ProgramLinkName(index) +
           QStringLiteral(" auswählen");
}

QString InvalidProgramLinkMessage(int index) {
    return QStringLiteral("Die für Verknüpfungsfeld ") + ProgramLinkName(index) +
           QStringLiteral(" angegebene Datei ist ungültig.");
}

int FirstInvalidProgramLink(const ProgramLinks& links) {
    for (int i = 0; i < kProgramLinkCount; ++i) {
        const QString target = links[static_cast<size_t>(i)].target.trimmed();
        if (!target.isEmpty() && !QFileInfo(target).isFile())
            return i;
    }
    return -1;
}

LinkPress PressProgramLink(const Settings& settings, int index, bool rightButton,
                           platform::ShellOpener& shell, Messages& messages) {
    const QString target = ProgramLinksOf(settings)[static_cast<size_t>(index)].target;
    if (target.isEmpty() || rightButton)
        return LinkPress::ShowDialog;
    if (shell.launch(target))
        return LinkPress::Started;
    messages.error(QStringLiteral("Die Datei \"") + target +
                   QStringLiteral("\" kann nicht geöffnet werden."));
    return LinkPress::Failed;
}

} // namespace quindor
