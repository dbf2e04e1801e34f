#pragma once

#include "document/document.h"
#include "document/document_reader.h"

#include <QJsonObject>
#include <QJsonValue>

namespace quindor::doc {

// A picture as {"width", "height"}, or null for none.
QJsonValue PictureJson(const Picture& picture);

// Every field of the document under its field name, the working fields of the objects
// included, with the magic and key list the reader found. Texts are the decoded texts, colours
// their integer values.
QJsonObject DocumentToJson(const Document& document, const ReadDetails& details);

} // namespace quindor::doc
