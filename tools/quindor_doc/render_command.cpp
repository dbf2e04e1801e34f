#include "quindor_doc/render_command.h"

#include "document/numbering.h"
#include "quindor_doc/doc_commands.h"
#include "view/view_composer.h"

namespace quindor::doc {

namespace {

struct RenderOptions {
    QString input;
    QString output;
    int width = 1280;
    int height = 900;
    bool uncovered = false;
    int numbering = static_cast<int>(Numbering::Ordered);
    // The question shown in a question document; 0 leaves the one the load chose.
    int question = 0;
};

bool ParseNumber(const QString& text, int low, int high, int& value) {
    bool ok = false;
    const int parsed = text.toInt(&ok);
    if (!ok || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

bool Parse(const QStringList& arguments, RenderOptions& options) {
    if (arguments.size() < 2)
        return false;
    options.input = arguments.at(0);
    options.output = arguments.at(1);
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString& flag = arguments.at(i);
        if (flag == QLatin1String("--uncovered")) {
            options.uncovered = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return false;
        const QString& value = arguments.at(++i);
        const bool ok =
            flag == QLatin1String("--width")       ? ParseNumber(value, 16, 16000, options.width)
            : flag == QLatin1String("--height")    ? ParseNumber(value, 16, 16000, options.height)
            : flag == QLatin1String("--numbering") ? ParseNumber(value, 0, 2, options.numbering)
            : flag == QLatin1String("--question")  ? ParseNumber(value, 1, 100000, options.question)
                                                   : false;
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

int RunRender(const QStringList& arguments, QTextStream& err) {
    RenderOptions options;
    if (!Parse(arguments, options))
        return 2;
    ToolSession tool;
    DocumentSession& session = tool.session;
    ProgramState& state = tool.state;
    if (!session.LoadDocument(options.input, false)) {
        PrintMessages(tool.messages.texts(), err);
        return 1;
    }
    Document& document = session.document();
    SetNumberingMode(document, state, static_cast<Numbering>(options.numbering));
    if (options.uncovered)
        UncoverAll(document);
    if (options.question > 0)
        state.CurrentQuestion = options.question;
    ViewComposer view(document, state, &session.layouts());
    view.ComposeView(QSize(options.width, options.height));
    if (!view.pageImage().save(options.output, "PNG")) {
        err << "Die Datei \"" << options.output << "\" kann nicht geschrieben werden.\n";
        return 1;
    }
    return 0;
}

} // namespace quindor::doc
