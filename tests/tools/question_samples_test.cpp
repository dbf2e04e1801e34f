#include "layouts/document_layouts.h"
#include "layouts/question_sources.h"
#include "view/view_composer.h"

#include "support/test_support.h"

#include <QDir>

#include <gtest/gtest.h>

#include <set>

namespace quindor {
namespace {

const QString kSamples = QStringLiteral(QUINDOR_SAMPLES_DIR);

class QuestionSamples : public ::testing::Test {
protected:
    QuestionSamples() { RegisterLayouts(fixture.session.layouts(), fixture.state); }

    Document& load(const char* name) {
        const QString path = QDir(kSamples).filePath(QLatin1String(name));
        EXPECT_TRUE(fixture.session.LoadDocument(path, false)) << name;
        EXPECT_TRUE(fixture.messages.texts().isEmpty());
        return fixture.session.document();
    }

    std::vector<const ObjDataTyp*> of(const Document& d, ObjectKind typ, int frageNummer) const {
        std::vector<const ObjDataTyp*> found;
        for (const ObjDataTyp& o : d.Objects) {
            if (o.Typ == typ && o.FrageNummer == frageNummer)
                found.push_back(&o);
        }
        return found;
    }

    test::SessionFixture fixture;
};

TEST_F(QuestionSamples, SingleQuestionsMatchTheirQuestionText) {
    const Document& d = load("06_Einzelfragen.qdr");
    EXPECT_EQ(d.Header.DokTyp, DocumentType::Questions);
    const auto lines = ParseQuestionText(d.Header.Fragentext);
    const int n = static_cast<int>(lines.size());
    ASSERT_GE(n, 3);
    EXPECT_EQ(d.Header.AnzFrageNummern, n);
    std::set<QString> answers;
    for (int k = 1; k <= n; ++k) {
        const auto questions = of(d, ObjectKind::QuestionText, k);
        const auto fields = of(d, ObjectKind::AnswerField, k);
        ASSERT_EQ(questions.size(), 1u);
        ASSERT_EQ(fields.size(), 1u);
        EXPECT_EQ(questions[0]->Cap, lines[static_cast<size_t>(k - 1)].Question);
        EXPECT_EQ(fields[0]->Cap, lines[static_cast<size_t>(k - 1)].Answer);
        answers.insert(fields[0]->Cap.toLower());
        const auto labels = of(d, ObjectKind::StaticLabel, k);
        ASSERT_EQ(labels.size(), 2u);
        EXPECT_EQ(labels[0]->Cap, QStringLiteral("Frage Nr. %1 von %2").arg(k).arg(n));
        EXPECT_EQ(labels[1]->Cap, QStringLiteral("Antwort:"));
    }
    // The run offers the other answers as choices: they must differ.
    EXPECT_EQ(static_cast<int>(answers.size()), n);
    for (const ObjectKind typ : {ObjectKind::NavPrevious, ObjectKind::NavNext, ObjectKind::NavFirst,
                                 ObjectKind::NavLast, ObjectKind::NavRandom})
        EXPECT_EQ(of(d, typ, -1).size(), 1u) << typ;
}

TEST_F(QuestionSamples, ChoiceQuizzesHaveRightAndWrongAnswersInTheirForms) {
    bool questionPicture = false, textAnswers = false, twoColumns = false;
    for (const char* name : {"07_Verkehrszeichen-Quiz.qdr", "08_Bilder-Quiz.qdr"}) {
        const Document& d = load(name);
        EXPECT_EQ(d.Header.DokTyp, DocumentType::MultipleChoice);
        ASSERT_GE(d.Header.AnzFrageNummern, 3) << name;
        for (int k = 1; k <= d.Header.AnzFrageNummern; ++k) {
            const auto markers = of(d, ObjectKind::ChoiceMarker, k);
            int right = 0;
            std::set<double> columns;
            for (const ObjDataTyp* m : markers) {
                right += m->Cap == QStringLiteral("+");
                columns.insert(m->Kx);
                const ObjDataTyp& answer = *(m + 1);
                EXPECT_FALSE(answer.Cap.isEmpty()) << name << " " << k;
                if (answer.Typ == ObjectKind::ChoiceAnswerPicture) {
                    EXPECT_FALSE(answer.Picture.isEmpty()) << name << " " << k;
                }
                textAnswers = textAnswers || answer.Typ == ObjectKind::ChoiceAnswerText;
            }
            EXPECT_GE(right, 1) << name << " " << k;
            EXPECT_LT(right, static_cast<int>(markers.size())) << name << " " << k;
            twoColumns = twoColumns || columns.size() == 2;
            const auto pictures = of(d, ObjectKind::ChoicePicture, k);
            questionPicture =
                questionPicture || (!pictures.empty() && !pictures[0]->Picture.isEmpty());
        }
    }
    EXPECT_TRUE(questionPicture);
    EXPECT_TRUE(textAnswers);
    EXPECT_TRUE(twoColumns);
}

// Every question of the question samples, at the sizes a teacher meets: nothing on the page
// lies on something else.
TEST_F(QuestionSamples, NothingOfAQuestionCoversAnother) {
    for (const char* name :
         {"06_Einzelfragen.qdr", "07_Verkehrszeichen-Quiz.qdr", "08_Bilder-Quiz.qdr"}) {
        Document& d = load(name);
        ViewComposer view(d, fixture.state, &fixture.session.layouts());
        for (const QSize area : {QSize(870, 600), QSize(1280, 800), QSize(1900, 1000)}) {
            for (int k = 1; k <= d.Header.AnzFrageNummern; ++k) {
                fixture.state.CurrentQuestion = k;
                view.ComposeView(area);
                for (int i = 0; i < d.ObjectCount(); ++i) {
                    const FracRect& a = d.Object(i).CardRect;
                    if (a.Right <= a.Left)
                        continue;
                    EXPECT_GE(a.Left, 0.0);
                    EXPECT_LE(a.Bottom, 1.0) << name << " question " << k;
                    for (int j = i + 1; j < d.ObjectCount(); ++j) {
                        const FracRect& b = d.Object(j).CardRect;
                        if (b.Right <= b.Left)
                            continue;
                        const bool overlap = a.Left < b.Right && b.Left < a.Right &&
                                             a.Top < b.Bottom && b.Top < a.Bottom;
                        EXPECT_FALSE(overlap)
                            << name << " question " << k << " at " << area.width() << "x"
                            << area.height() << ": \"" << d.Object(i).Cap.toStdString()
                            << "\" on \"" << d.Object(j).Cap.toStdString() << "\"";
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace quindor
