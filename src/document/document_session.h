#pragma once

#include "core/messages.h"
#include "core/program_state.h"
#include "document/document.h"
#include "document/installed_fonts.h"
#include "document/layout_dispatch.h"

#include <functional>
#include <vector>

namespace quindor {

// What the layers above answer when the session asks them. Each is optional: a tool without a
// window leaves them unset.
struct DocumentHooks {
    // Whether a font family is drawn in its own face here; a document naming another font is
    // drawn in Arial. Tests replace the system's answer.
    std::function<bool(const QString&)> fontInstalled = IsFontInstalled;
    // The worksheet part takes its stored settings and task line after a load, and serialises
    // its current settings before a write.
    std::function<void(const QString& worksheet, const QString& task)> worksheetRead;
    std::function<QString()> serializeWorksheet;
    // The save question's Yes for a document without a file name: where to write it (empty
    // when the user cancels).
    std::function<QString()> askSaveFileName;
};

// What the layers above do when the document changes. Listeners are told in the order they
// were added: the topic list, made with the application state, before the window.
class DocumentListener {
public:
    virtual ~DocumentListener() = default;
    // Before a load: the pointer tool becomes the active tool.
    virtual void beforeLoad() {}
    // After a load, before the document-type layout: zoom to 100 % and apply the numbering.
    virtual void prepareView() {}
    // After the layout of a load; rememberFolder as passed to LoadDocument (the view then hides
    // the start information and lays itself out again).
    virtual void documentLoaded(bool /*rememberFolder*/) {}
    // ClearDocument: the start panel is hidden.
    virtual void documentCleared() {}
    // CloseDocument: the page format is applied, the topic list reread, the start panel shown.
    virtual void documentClosed() {}
};

// The open document with the operations that load, write, reset and close it. Owned by the
// application state; every subsystem works on the one document it holds.
class DocumentSession {
public:
    DocumentSession(ProgramState& state, Messages& messages, BusyIndicator& busy);

    Document& document() { return document_; }
    const Document& document() const { return document_; }
    HeaderDataTyp& header() { return document_.Header; }
    DocumentHooks& hooks() { return hooks_; }
    // The listener is told of every change until the session ends; it must outlive it.
    void addListener(DocumentListener& listener) { listeners_.push_back(&listener); }
    LayoutDispatch& layouts() { return layouts_; }

    void setPageFormatDefaults(const PageFormatDefaults& defaults) { pageFormat_ = defaults; }
    const PageFormatDefaults& pageFormatDefaults() const { return pageFormat_; }
    void setStartPicture(const Picture& picture) { startPicture_ = picture; }
    const Picture& startPicture() const { return startPicture_; }
    bool hasDocument() const { return !document_.Header.FileName.isEmpty(); }

    void ResetDocument();
    void ClearObjects() { quindor::ClearObjects(document_); }
    void ClearDocument();
    void CloseDocument();
    int AddObject(const NewObject& fields) { return quindor::AddObject(document_, fields); }
    void DeleteObject(int index) { quindor::DeleteObject(document_, index); }
    QString DocumentTypeName() const {
        return quindor::DocumentTypeName(document_.Header.DokTyp, document_.Header.DokUnterTyp);
    }

    // The path is taken by value: callers pass fields (the previous document) that a load resets.
    bool LoadDocument(QString path, bool rememberFolder);
    // Puts a document made in the program in place of the open one, laid out and told to the
    // layers above as after a load, and modified: a new document (asNew) has no file and
    // follows the open one as a load would; otherwise it is the open document changed.
    void installDocument(Document document, bool asNew);
    // Writes through a temporary file in the same folder that replaces the target only when it
    // is complete, so a failed write leaves the previous file as it was.
    bool WriteDocument(const QString& path, bool setFileName);
    // The document as its file holds it, with the current worksheet settings; empty when it
    // cannot be written.
    QByteArray documentBytes();
    // The save question; true when the caller may go on. Yes writes the document (to its file,
    // or to a path asked through the askSaveFileName hook when it has none) and fails when that
    // write fails or no path is given.
    bool AskSaveChanges();

    static bool ReadDocumentPreview(const QString& path, HeaderDataTyp& header);

    static QString MissingFileMessage(const QString& path);
    static QString ReadErrorMessage(const QString& path);
    static QString WriteErrorMessage(const QString& path);
    static QString InvalidFormatMessage();
    static QString NewerVersionMessage();

private:
    bool failLoad(const QString& path);
    // What follows the reading of a document: the view prepared, the layout of its type run
    // anew, the layers above told.
    void layOutLoaded(bool rememberFolder);

    ProgramState& state_;
    Messages& messages_;
    BusyIndicator& busy_;
    Document document_;
    DocumentHooks hooks_;
    std::vector<DocumentListener*> listeners_;
    LayoutDispatch layouts_;
    PageFormatDefaults pageFormat_;
    Picture startPicture_;
};

// The picture shown when no document is open, 290 x 203 pixels (a third of its design size of
// 870 x 609); it draws itself anew at the size it is shown.
Picture BuiltInStartPicture();
// Draws the start picture into an area of an image.
void DrawStartPicture(QImage& image, const QRect& area);

} // namespace quindor
