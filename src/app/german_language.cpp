#include "app/german_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

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

} // namespace quindor
