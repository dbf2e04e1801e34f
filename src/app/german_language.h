#pragma once

#include <QByteArray>
#include <QLocale>

class QCoreApplication;

namespace quindor {

// All the program shows is German, Qt's own texts included (the standard file, print, page
// and colour dialogs, the buttons of message boxes): Qt's German translations are installed
// whatever the system's language. Dates, times and numbers keep the system's formats; where
// the system names no locale (C or POSIX) they are written the German way. False when Qt's
// German translations are not installed (package qt6-translations-l10n).
bool UseGermanLanguage(QCoreApplication& application, const QLocale& system = QLocale::system());

// Qt's own views of files (the sizes and dates of the file dialogs) follow the system's
// locale, whatever the program sets as its default. Where the system names no locale, Qt is
// made to take German as the system's: made before the application, settled right after it,
// so that nothing else of the process (the C library, the programs it starts) sees a locale
// the system does not name.
class GermanSystemLocale {
public:
    GermanSystemLocale();
    GermanSystemLocale(const GermanSystemLocale&) = delete;
    GermanSystemLocale& operator=(const GermanSystemLocale&) = delete;
    // Once the application exists: Qt keeps German as the system's locale; the environment and
    // the C library's locale are the system's again.
    void settle();

private:
    bool applied_ = false;
    QByteArray previous_;
};

} // namespace quindor
