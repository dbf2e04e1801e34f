#pragma once

#include "document/document.h"

#include <QByteArray>

namespace quindor {

// Serialises the document in the current format ("QDR-2.15"). Normalises it in memory first:
// picture kinds without a picture become their text kinds (6 -> 0, 7 -> 1, 21 -> 20) and a
// picture link without a picture gets the blank picture. Generated kinds are not stored.
// Empty when a picture cannot be encoded.
QByteArray WriteDocumentBytes(Document& document);

// Number of objects the writer stores.
int StoredObjectCount(const Document& document);

} // namespace quindor
