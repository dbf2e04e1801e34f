#include "app/german_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>

namespace quindor {

bool UseGermanLanguage(QCoreApplication& application, const QLocale& system) {
    const QLocale german(QLocale::German, QLocale::Germany);
    if (system.language() == QLocale::C)
        QLocale::setDefault(german);
    // "qt_de" names the German catalogues of every Qt module (qtbase, qtmultimedia, ...).
    auto* translator = new QTranslator(&application);
    if (!translator->load(german, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

GermanSystemLocale::GermanSystemLocale() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The locale Qt reads for numbers and dates: LC_ALL, else the category's, else LANG.
    QByteArray named = qgetenv("LC_ALL");
    for (const char* variable : {"LC_NUMERIC", "LANG"}) {
        if (named.isEmpty())
            named = qgetenv(variable);
    }
    if (QLocale(QString::fromLatin1(named)).language() != QLocale::C)
        return;
    applied_ = true;
    previous_ = qgetenv("LC_ALL");
    qputenv("LC_ALL", "de_DE.UTF-8");
#endif
}

void GermanSystemLocale::settle() {
    if (!applied_)
        return;
    // Qt reads the system's locale once, at its first use.
    (void)QLocale::system();
    if (previous_.isEmpty())
        qunsetenv("LC_ALL");
    else
        qputenv("LC_ALL", previous_);
    std::setlocale(LC_ALL, "");
    applied_ = false;
}

} // namespace quindor
