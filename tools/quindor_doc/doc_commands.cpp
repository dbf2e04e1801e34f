#include "quindor_doc/doc_commands.h"

#include "core/messages.h"
#include "core/program_state.h"
#include "document/document_session.h"
#include "document/document_writer.h"
#include "document/installed_fonts.h"
#include "exercise/best_list.h"
#include "quindor_doc/document_json.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <map>

namespace quindor::doc {

namespace {

QString KindName(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::QueryLabel:
        return QStringLiteral("Abfragetext");
    case ObjectKind::FixedLabel:
        return QStringLiteral("Fester Text");
    case ObjectKind::InfoPoint:
        return QStringLiteral("Infopunkt");
    case ObjectKind::ExternalLink:
        return QStringLiteral("Externer Link");
    case ObjectKind::DocumentLink:
        return QStringLiteral("Dokument-Link");
    case ObjectKind::QueryPicture:
        return QStringLiteral("Abfragebild");
    case ObjectKind::FixedPicture:
        return QStringLiteral("Festes Bild");
    case ObjectKind::PictureLink:
        return QStringLiteral("Bild-Link");
    case ObjectKind::AnswerField:
        return QStringLiteral("Antwortfeld");
    case ObjectKind::QuestionText:
        return QStringLiteral("Fragetext");
    case ObjectKind::StaticLabel:
        return QStringLiteral("Feste Beschriftung");
    case ObjectKind::ChoiceQuestion:
        return QStringLiteral("Multiple-Choice-Frage");
    case ObjectKind::ChoiceQuestionPicture:
        return QStringLiteral("Multiple-Choice-Frage mit Bild");
    case ObjectKind::ChoiceText:
        return QStringLiteral("Multiple-Choice-Fragetext");
    case ObjectKind::ChoicePicture:
        return QStringLiteral("Multiple-Choice-Fragebild");
    case ObjectKind::ChoiceMarker:
        return QStringLiteral("Antwortk\u00e4stchen");
    case ObjectKind::ChoiceAnswerText:
        return QStringLiteral("Antworttext");
    case ObjectKind::ChoiceOk:
        return QStringLiteral("OK");
    case ObjectKind::ChoiceAnswerPicture:
        return QStringLiteral("Antwortbild");
    case ObjectKind::TablePictureLink:
        return QStringLiteral("Tabellen-Bild-Link");
    default:
        break;
    }
    if (IsNavigationKind(kind))
        return QStringLiteral("Navigation");
    if (IsClusterKind(kind))
        return QStringLiteral("Cluster-Element");
    if (IsPairKind(kind))
        return QStringLiteral("Zuordnungs-Element");
    return QStringLiteral("unbekannt");
}

} // namespace

void PrintMessages(const QStringList& messages, QTextStream& err) {
    for (const QString& message : messages)
        err << QString(message).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
}

LoadedDocument LoadForInspection(const QString& path) {
    LoadedDocument result;
    ToolSession tool;
    DocumentSession& session = tool.session;
    // The loader asks about the font the file names before any fallback: that is the one.
    const auto installed = session.hooks().fontInstalled;
    session.hooks().fontInstalled = [&result, installed](const QString& family) {
        result.storedFontName = family;
        return !installed || installed(family);
    };
    result.ok = session.LoadDocument(path, false);
    result.messages = tool.messages.texts();
    if (!result.ok)
        return result;
    result.document = session.document();
    result.currentQuestion = tool.state.CurrentQuestion;
    // The loader keeps no magic or key list; they are the file's first two fields.
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray start = file.read(64 * 1024);
        if (!ReadDocumentDetails(start, result.details))
            ReadDocumentDetails(start + file.readAll(), result.details);
    }
    return result;
}

QStringList CollectDocuments(const QStringList& paths, QStringList* emptyFolders) {
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files.append(path);
            continue;
        }
        const QDir folder(path);
        const QStringList names =
            folder.entryList({QStringLiteral("*.qdr"), QStringLiteral("*.zwk")}, QDir::Files,
                             QDir::Name | QDir::IgnoreCase);
        if (names.isEmpty() && emptyFolders)
            emptyFolders->append(path);
        for (const QString& name : names)
            files.append(folder.filePath(name));
    }
    return files;
}

QString IndentMessages(const QStringList& messages) {
    QString text;
    for (const QString& message : messages) {
        for (const QString& line : message.split(QStringLiteral("\r\n")))
            text += QStringLiteral("  ") + line + QLatin1Char('\n');
    }
    return text;
}

QString InfoText(const QString& path, const Document& document, const QString& storedFontName) {
    const HeaderDataTyp& h = document.Header;
    QString typeName = DocumentTypeName(h.DokTyp, h.DokUnterTyp);
    if (typeName.isEmpty())
        typeName = QStringLiteral("unbekannt");
    QString text;
    QTextStream s(&text);
    s << "Datei:       " << path << '\n';
    s << "Dokumenttyp: " << typeName << " (DokTyp " << StoredType(h.DokTyp) << ", DokUnterTyp "
      << StoredSubtype(h.DokUnterTyp) << ")\n";
    s << "Titel:       " << h.Titel << '\n';
    s << "Autor:       " << h.Autor << '\n';
    s << "Version:     " << h.Vers << '\n';
    // The face the view really draws in, and the stored name when this computer lacks it.
    s << "Schrift:     " << document.FontName;
    const QString drawn = DrawnFontFamily(document.FontName);
    if (drawn.compare(document.FontName, Qt::CaseInsensitive) != 0)
        s << " (dargestellt als " << drawn << ")";
    if (!storedFontName.isEmpty() &&
        storedFontName.compare(document.FontName, Qt::CaseInsensitive) != 0)
        s << "; im Dokument: " << storedFontName << " (hier nicht installiert)";
    s << '\n';
    s << "Basisbild:   " << document.BaseImage.Image.width() << " x "
      << document.BaseImage.Image.height() << '\n';
    if (h.HasGrid())
        s << "Raster:      " << h.Zeilen << " Zeilen x " << h.Spalten << " Spalten\n";
    s << "Objekte:     " << StoredObjectCount(document) << '\n';
    std::map<int32_t, int> byKind;
    for (const ObjDataTyp& object : document.Objects)
        ++byKind[StoredKind(object.Typ)];
    for (const auto& [typ, count] : byKind)
        s << "  Typ " << typ << " (" << KindName(KindFromStored(typ)) << "): " << count << '\n';
    return text;
}

int RunInfo(const QString& path, QTextStream& out, QTextStream& err) {
    const LoadedDocument loaded = LoadForInspection(path);
    if (!loaded.ok) {
        PrintMessages(loaded.messages, err);
        return 1;
    }
    out << InfoText(path, loaded.document, loaded.storedFontName);
    return 0;
}

int RunDump(const QString& path, QTextStream& out, QTextStream& err) {
    const LoadedDocument loaded = LoadForInspection(path);
    if (!loaded.ok) {
        PrintMessages(loaded.messages, err);
        return 1;
    }
    QJsonObject json = DocumentToJson(loaded.document, loaded.details);
    json["currentQuestion"] = loaded.currentQuestion;
    out << QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented));
    return 0;
}

int RunCheck(const QStringList& paths, QTextStream& out) {
    QStringList emptyFolders;
    const QStringList files = CollectDocuments(paths, &emptyFolders);
    for (const QString& folder : emptyFolders)
        out << folder << ": keine Dokumente\n";
    ToolSession tool;
    bool allOk = true;
    for (const QString& file : files) {
        tool.messages.clear();
        const bool ok = tool.session.LoadDocument(file, false);
        allOk = allOk && ok;
        if (ok && tool.messages.entries().isEmpty()) {
            out << file << ": OK\n";
            continue;
        }
        out << file << ":\n" << IndentMessages(tool.messages.texts());
    }
    return allOk ? 0 : 1;
}

int RunRewrite(const QString& in, const QString& outPath, QTextStream& err) {
    ToolSession tool;
    const bool ok =
        tool.session.LoadDocument(in, false) && tool.session.WriteDocument(outPath, false);
    PrintMessages(tool.messages.texts(), err);
    return ok ? 0 : 1;
}

int RunBestList(const QString& path, QTextStream& out, QTextStream& err) {
    BestListLoad load = LoadBestList(path);
    if (!load.ok()) {
        // A missing file is as unreadable here as a damaged one.
        const auto message = BestListLoadMessage(BestListStatus::Unreadable, path, false);
        err << QString(message->text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << '\n';
        return 1;
    }
    std::vector<BestListDataTyp>& entries = load.entries;
    SortBestList(entries);
    out << BestListTable(entries);
    return 0;
}

} // namespace quindor::doc
