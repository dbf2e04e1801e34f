#pragma once

#include "document/document.h"

#include <QByteArrayView>

#include <functional>

namespace quindor {

enum class ReadStatus {
    Ok,
    // Cut short, a length beyond the file, a damaged picture or a grid beyond its bounds.
    ReadError,
    InvalidFormat,
    NewerVersion,
};

struct ReadOptions {
    // Whether a font family is installed (case-insensitive); unset accepts every name.
    std::function<bool(const QString&)> fontInstalled;
    // Receives the worksheet settings string and the task line as read.
    std::function<void(const QString& worksheet, const QString& task)> worksheetRead;
};

// What the reader found besides the fields it fills; the dump tool shows it.
struct ReadDetails {
    QByteArray Magic;
    QByteArray KeyList;
};

// Fills a document from file bytes. The header must be at its reset values and the object list
// empty: fields whose key the file lacks keep their reset value where the format says so.
ReadStatus ReadDocumentBytes(QByteArrayView bytes, Document& document, const ReadOptions& options,
                             ReadDetails* details = nullptr);

// The same, but the reader may use the bytes as scratch space (the compressed data of a
// picture stored in several chunks is joined in place rather than copied); their content is
// unspecified afterwards. The loader reads each file into a buffer of its own and uses this.
ReadStatus ReadDocumentBuffer(QByteArray& bytes, Document& document, const ReadOptions& options);

// Magic and key list only, without reading the document; false when the bytes end before.
bool ReadDocumentDetails(QByteArrayView bytes, ReadDetails& details);

// Magic, key list, version text and title only; false for anything that is not a document.
bool ReadPreviewBytes(QByteArrayView bytes, HeaderDataTyp& header);

// The fixed key byte of the stored picture password; applying it twice gives the clear text.
QByteArray ScramblePassword(QByteArrayView bytes);

} // namespace quindor
