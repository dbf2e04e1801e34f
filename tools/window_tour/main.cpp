// Takes the pictures of the help pages from the program itself: the windows of a walk through
// the program, as PNG files, those named or, without names, every window of the walk.
#include "app/german_language.h"
#include "window_tour/window_tour.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

namespace {

// The offscreen platform says for every window what it cannot do (size hints, raising), and the
// fonts which OpenType tables they lack; the pictures need neither.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg &&
        (message.startsWith(QLatin1String("This plugin does not support")) ||
         message.trimmed().startsWith(QLatin1String("OpenType support missing"))))
        return;
    QTextStream(stderr) << qFormatLogMessage(type, context, message) << '\n';
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietPlatform);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quindor::GermanSystemLocale systemLocale;
    QApplication application(argc, argv);
    systemLocale.settle();
    quindor::UseGermanLanguage(application);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    QTextStream err(stderr);
    if (args.isEmpty()) {
        err << "Aufruf: make-help-pictures ORDNER [NAME...]\n";
        return 2;
    }
    const QString target = args.takeFirst();
    const QStringList& help = args;
    QTemporaryDir work;
    if (!QDir().mkpath(target) || !work.isValid()) {
        err << "Ordner " << target << " kann nicht angelegt werden.\n";
        return 1;
    }
    QStringList written;
    bool failed = false;
    const QStringList missing = quindor::tour::WalkThroughProgram(
        work.path(), QSize(1024, 768), [&](const QString& name, QWidget& window) {
            if (!help.isEmpty() && !help.contains(name))
                return;
            if (!window.grab().save(QDir(target).filePath(name + QStringLiteral(".png")))) {
                err << "Bild " << name << " kann nicht geschrieben werden.\n";
                failed = true;
            }
            written.append(name);
        });
    for (const QString& name : help) {
        if (!written.contains(name)) {
            err << "Kein Bild: " << name << '\n';
            failed = true;
        }
    }
    for (const QString& what : missing)
        err << "Nicht erschienen: " << what << '\n';
    return failed || !missing.isEmpty() ? 1 : 0;
}
