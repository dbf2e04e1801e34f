#include "document/document_session.h"

#include "core/file_replace.h"
#include "document/document_reader.h"
#include "document/document_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quindor {

namespace {

QString Quoted(const QString& path) {
    return QStringLiteral("\"") + QDir::toNativeSeparators(path) + QStringLiteral("\"");
}

QString FolderWithSeparator(const QString& path) {
    QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

} // namespace

DocumentSession::DocumentSession(ProgramState& state, Messages& messages, BusyIndicator& busy)
    : state_(state), messages_(messages), busy_(busy), startPicture_(BuiltInStartPicture()) {
    ResetHeader(document_.Header, pageFormat_);
    document_.BaseImage = startPicture_;
}

QString DocumentSession::MissingFileMessage(const QString& path) {
    return QStringLiteral("Die Datei ") + Quoted(path) + QStringLiteral(" existiert nicht.");
}

QString DocumentSession::ReadErrorMessage(const QString& path) {
    return QStringLiteral("Die Datei ") + Quoted(path) +
           QStringLiteral(" kann nicht gelesen werden. M\u00f6gliche Ursachen:\r\n"
                          "- Datei existiert nicht\r\n"
                          "- Ung\u00fcltiges Dateiformat\r\n"
                          "- Fehlende Lesezugriffsberechtigung im Netzwerk");
}

QString DocumentSession::WriteErrorMessage(const QString& path) {
    return QStringLiteral("Die Datei ") + Quoted(path) +
           QStringLiteral(" kann nicht geschrieben werden. M\u00f6gliche Ursachen:\r\n"
                          "- Ung\u00fcltiger Ordner oder Dateiname\r\n"
                          "- Fehlende Schreibzugriffsberechtigung im Netzwerk");
}

QString DocumentSession::InvalidFormatMessage() {
    return QStringLiteral("Ung\u00fcltiges Dateiformat.");
}

QString DocumentSession::NewerVersionMessage() {
    return QStringLiteral("Das ausgew\u00e4hlte Dokument wurde mit einer neueren Programmversion "
                          "erstellt und kann deshalb mit der vorliegenden Quindor-Version nicht "
                          "ge\u00f6ffnet werden.");
}

void DocumentSession::ResetDocument() {
    HeaderDataTyp& h = document_.Header;
    if (!h.FileName.isEmpty())
        state_.PreviousDocument = h.FileName;
    ResetHeader(h, pageFormat_);
    state_.TopicIndex = -1;
    state_.CurrentQuestion = 0;
}

void DocumentSession::ClearDocument() {
    ClearObjects();
    ResetDocument();
    for (DocumentListener* listener : listeners_)
        listener->documentCleared();
}

void DocumentSession::CloseDocument() {
    document_.BaseImage = startPicture_;
    ClearDocument();
    // The start page gets the page format of the settings; a type that keeps a layout of its
    // own regenerates it for the emptied document.
    const QSize base = document_.BaseImage.Image.size();
    ApplyPageFormat(document_.Header, base.width(), base.height());
    layouts_.run(document_, true);
    document_.Header.Modified = false;
    for (DocumentListener* listener : listeners_)
        listener->documentClosed();
}

bool DocumentSession::failLoad(const QString& path) {
    messages_.error(ReadErrorMessage(path));
    CloseDocument();
    return false;
}

bool DocumentSession::LoadDocument(QString path, bool rememberFolder) {
    for (DocumentListener* listener : listeners_)
        listener->beforeLoad();
    if (!QFileInfo(path).isFile()) {
        messages_.error(MissingFileMessage(path));
        return false;
    }
    ResetDocument();
    BusyScope busy(busy_);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failLoad(path);
    // Read in one piece (one read into a buffer of the file's size): writers replace documents
    // by renaming a complete file over them, so a reader never sees a half-written one. The
    // buffer is the reader's alone; it may use it as scratch space.
    QByteArray bytes = file.readAll();
    const bool readOk = file.error() == QFileDevice::NoError;
    file.close();
    if (!readOk)
        return failLoad(path);

    ReadOptions options;
    options.fontInstalled = hooks_.fontInstalled;
    options.worksheetRead = hooks_.worksheetRead;
    const ReadStatus status = ReadDocumentBuffer(bytes, document_, options);
    bytes = QByteArray();
    if (status == ReadStatus::InvalidFormat)
        messages_.error(InvalidFormatMessage());
    else if (status == ReadStatus::NewerVersion)
        messages_.error(NewerVersionMessage());
    if (status != ReadStatus::Ok)
        return failLoad(path);

    HeaderDataTyp& h = document_.Header;
    h.FileName = QFileInfo(path).absoluteFilePath();
    h.BildGroesseProzent = ComputeBildGroesseProzent(h.RandErw, document_.BaseImage.Image.width(),
                                                     document_.BaseImage.Image.height());
    state_.TopicIndex = -1;
    if (rememberFolder)
        state_.CurrentFolder = FolderWithSeparator(path);
    layOutLoaded(rememberFolder);
    h.Modified = false;
    return true;
}

void DocumentSession::layOutLoaded(bool rememberFolder) {
    for (DocumentListener* listener : listeners_)
        listener->prepareView();
    // Freely placed pages and single questions keep their stored objects; the other types
    // create theirs anew.
    if (document_.Header.Type().layoutAtLoad)
        layouts_.run(document_, true);
    for (DocumentListener* listener : listeners_)
        listener->documentLoaded(rememberFolder);
}

void DocumentSession::installDocument(Document document, bool asNew) {
    if (asNew) {
        ClearDocument();
        document.Header.FileName.clear();
        document.Header.SeitRatioArt = pageFormat_.SeitRatioArt;
        document.Header.SeitRatioBreite = pageFormat_.SeitRatioBreite;
        document.Header.SeitRatioHoehe = pageFormat_.SeitRatioHoehe;
        if (hooks_.worksheetRead)
            hooks_.worksheetRead(document.Header.Arbeitsblatt, document.Header.ABAufgabe);
    }
    document_ = std::move(document);
    HeaderDataTyp& h = document_.Header;
    h.BildGroesseProzent = ComputeBildGroesseProzent(h.RandErw, document_.BaseImage.Image.width(),
                                                     document_.BaseImage.Image.height());
    layOutLoaded(false);
    h.Modified = true;
}

QByteArray DocumentSession::documentBytes() {
    if (hooks_.serializeWorksheet)
        document_.Header.Arbeitsblatt = hooks_.serializeWorksheet();
    return WriteDocumentBytes(document_);
}

bool DocumentSession::WriteDocument(const QString& path, bool setFileName) {
    BusyScope busy(busy_);
    const QByteArray bytes = documentBytes();
    if (bytes.isEmpty() || !ReplaceFileContent(path, bytes)) {
        messages_.error(WriteErrorMessage(path));
        return false;
    }
    if (setFileName) {
        document_.Header.FileName = QFileInfo(path).absoluteFilePath();
        document_.Header.Modified = false;
    }
    return true;
}

bool DocumentSession::AskSaveChanges() {
    const HeaderDataTyp& h = document_.Header;
    if (!h.Modified)
        return true;
    const QString question = h.FileName.isEmpty()
                                 ? QStringLiteral("Aktuelles Dokument speichern?")
                                 : QStringLiteral("\u00c4nderungen im aktuellen Dokument unter ") +
                                       Quoted(h.FileName) + QStringLiteral(" speichern?");
    const Answer answer = messages_.question(question, MessageButtons::YesNoCancel);
    if (answer == Answer::Cancel)
        return false;
    if (answer == Answer::No)
        return true;
    QString target = h.FileName;
    if (target.isEmpty() && hooks_.askSaveFileName)
        target = hooks_.askSaveFileName();
    if (target.isEmpty())
        return false;
    return WriteDocument(target, true);
}

bool DocumentSession::mayReplaceDocument() {
    return (!hooks_.keepDrawings || hooks_.keepDrawings()) && AskSaveChanges();
}

bool DocumentSession::ReadDocumentPreview(const QString& path, HeaderDataTyp& header) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Magic, key list, version and title lie within the first few kilobytes; read more only
    // when the key list or a text is long.
    QByteArray bytes = file.read(64 * 1024);
    if (ReadPreviewBytes(bytes, header))
        return true;
    // A file that does not begin as a document is none, however long it is.
    const QByteArray magic = bytes.mid(4, 4);
    if (magic != "QDR-" && magic != "VKL-")
        return false;
    bytes += file.readAll();
    return ReadPreviewBytes(bytes, header);
}

} // namespace quindor
