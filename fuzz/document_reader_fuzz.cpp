// Feeds arbitrary bytes to the document reader: it must refuse damaged files with a status,
// never crash, hang, leak or allocate according to an unchecked length.
#include "document/document_reader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    quindor::Document document;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const quindor::ReadStatus status =
        quindor::ReadDocumentBytes(bytes, document, quindor::ReadOptions());
    // The loader's way, with the bytes lent as scratch space, must come to the same verdict.
    QByteArray lent = bytes.toByteArray();
    quindor::Document fromBuffer;
    if (quindor::ReadDocumentBuffer(lent, fromBuffer, quindor::ReadOptions()) != status)
        __builtin_trap();
    quindor::HeaderDataTyp preview;
    quindor::ReadPreviewBytes(bytes, preview);
    return 0;
}
