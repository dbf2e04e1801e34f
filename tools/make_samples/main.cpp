#include "core/messages.h"
#include "core/program_state.h"
#include "document/document_session.h"
#include "make_samples/sample_documents.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

int WriteAll(const QString& folder, std::vector<quindor::samples::NamedDocument> documents) {
    QTextStream err(stderr);
    if (!QDir().mkpath(folder)) {
        err << "Ordner " << folder << " kann nicht angelegt werden.\n";
        return 1;
    }
    quindor::ProgramState state;
    quindor::RecordingMessages messages;
    quindor::NoBusyIndicator busy;
    quindor::DocumentSession session(state, messages, busy);
    for (quindor::samples::NamedDocument& named : documents) {
        session.document() = std::move(named.Doc);
        if (!session.WriteDocument(QDir(folder).filePath(named.FileName), false)) {
            for (const QString& text : messages.texts())
                err << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // The pictures are drawn with fonts, which need a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 2 && !args.at(1).startsWith(QLatin1Char('-')))
        return WriteAll(args.at(1), quindor::samples::SampleDocuments());
    if (args.size() == 3 && args.at(1) == QLatin1String("--corpus"))
        return WriteAll(args.at(2), quindor::samples::CorpusDocuments());
    QTextStream(stderr) << "Aufruf: make-samples ORDNER | make-samples --corpus ORDNER\n";
    return 2;
}
