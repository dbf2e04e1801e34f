#include "app/minimal_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quindor"));
    quindor::ProgramState state;
    state.ProgramFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    state.Random.seedFromClock();
    quindor::MinimalWindow window(state);
    const QStringList args = QApplication::arguments();
    window.openArgument(args.size() > 1 ? args.at(1) : state.ProgramFolder);
    window.showMaximized();
    return app.exec();
}
