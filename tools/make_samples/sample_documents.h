#pragma once

#include "document/document.h"

#include <QString>

#include <vector>

namespace quindor::samples {

struct NamedDocument {
    QString FileName;
    Document Doc;
};

// A picture of the samples: blended where it has transparency, stretched linearly.
Picture MakePicture(const QImage& image);
// A new sample document of the type with its default margins, title, remark and base image.
Document NewDocument(DocumentType dokTyp, DocumentSubtype dokUnterTyp, const QString& titel,
                     const QString& bemerkung, const QImage& base);

// The sample topic folder, in the order its file names sort.
std::vector<NamedDocument> SampleDocuments();
// Seeds for fuzzing the reader: the samples with tiny pictures, plus documents of the types
// the samples leave out (empty, gap table, cluster, multiple choice with answer pictures).
std::vector<NamedDocument> CorpusDocuments();

} // namespace quindor::samples
