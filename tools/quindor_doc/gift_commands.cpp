#include "quindor_doc/gift_commands.h"

#include "core/file_replace.h"
#include "editor/gift_import.h"
#include "editor/gift_writer.h"
#include "quindor_doc/doc_commands.h"

#include <QFile>
#include <QFileInfo>

namespace quindor::doc {

int RunImport(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 2)
        return 2;
    const QString& path = arguments.at(0);
    const QString& folder = arguments.at(1);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << (QFileInfo::exists(path)
                    ? QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(path)
                    : DocumentSession::MissingFileMessage(path))
            << '\n';
        return 1;
    }
    GiftImport import = ImportGiftFile(file.readAll(), path);
    const QString error = WriteImport(import, folder);
    out << ImportReport(import, path, folder, error);
    if (!error.isEmpty())
        err << error << '\n';
    const bool written =
        std::any_of(import.Documents.begin(), import.Documents.end(),
                    [](const ImportedDocument& d) { return !d.FileName.isEmpty(); });
    return written ? 0 : 1;
}

int RunExport(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 2)
        return 2;
    const QString& source = arguments.at(0);
    const QString& target = arguments.at(1);
    if (!QFileInfo::exists(source)) {
        err << DocumentSession::MissingFileMessage(source) << '\n';
        return 1;
    }
    const GiftExport exported = ExportFiles(CollectDocuments({source}));
    out << ExportReport(exported, target);
    if (exported.Questions == 0)
        return 1;
    if (!ReplaceFileContent(target, exported.Text.toUtf8())) {
        PrintMessages({DocumentSession::WriteErrorMessage(target)}, err);
        return 1;
    }
    return 0;
}

} // namespace quindor::doc
