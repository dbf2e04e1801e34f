#include "document/document_session.h"
#include "layouts/document_layouts.h"
#include "support/test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

// Written cluster and pair documents carry their generated objects; loading makes them anew
// in place of the stored ones, however often a document is loaded and saved again.
TEST(ClusterAndPairLoad, StoredObjectsAreNeverDoubled) {
    QTemporaryDir dir;
    for (const DocumentType dokTyp : {DocumentType::Cluster, DocumentType::CrossMatching}) {
        const QString file = dir.filePath(QStringLiteral("dokument%1.qdr").arg(StoredType(dokTyp)));
        test::SessionFixture writer;
        RegisterLayouts(writer.session.layouts(), writer.state);
        HeaderDataTyp& h = writer.session.header();
        h.DokTyp = dokTyp;
        h.EinrueckRand = DefaultEinrueckRand(dokTyp);
        h.Zeilen = 3;
        h.Spalten = 2;
        for (int row = 0; row < 3; ++row) {
            h.Cell(row, 0).Text = QStringLiteral("Wort %1").arg(row);
            h.Cell(row, 0).Art = 1;
            h.Cell(row, 1).Art = 3;
            h.Cell(row, 1).Bild.Image = test::PatternImage(12, 8);
        }
        writer.session.layouts().run(writer.session.document(), true);
        ASSERT_EQ(writer.session.document().ObjectCount(), 6);
        ASSERT_TRUE(writer.session.WriteDocument(file, false));

        for (int load = 0; load < 2; ++load) {
            test::SessionFixture reader;
            RegisterLayouts(reader.session.layouts(), reader.state);
            ASSERT_TRUE(reader.session.LoadDocument(file, false));
            EXPECT_TRUE(reader.messages.texts().isEmpty());
            const Document& d = reader.session.document();
            ASSERT_EQ(d.ObjectCount(), 6) << dokTyp;
            // The pictures come from the grid again, which the file stores only once.
            EXPECT_FALSE(d.Object(1).Picture.isEmpty()) << dokTyp;
            EXPECT_EQ(d.Object(0).Cap.trimmed(), QStringLiteral("Wort 0"));
            ASSERT_TRUE(reader.session.WriteDocument(file, false));
        }
    }
}

} // namespace
} // namespace quindor
