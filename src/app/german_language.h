#pragma once

#include <QLocale>

class QCoreApplication;

namespace quindor {

// All the program shows is German, Qt's own texts included (the standard file, print, page
// and colour dialogs, the buttons of message boxes): Qt's German translations are installed
// whatever the system's language. Dates, times and numbers keep the system's formats; where
// the system names no locale (C or POSIX) they are written the German way. False when Qt's
// German translations are not installed (package qt6-translations-l10n).
bool UseGermanLanguage(QCoreApplication& application, const QLocale& system = QLocale::system());

} // namespace quindor
