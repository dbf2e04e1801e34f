// The comment dialog of the reports: what is typed comes back on OK, nothing on cancel.
#include "print/ui/report_window.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace quindor {
namespace {

// Types into the dialog once it shows and presses the named button.
void AnswerCommentDialog(const QString& text, const QString& button) {
    QTimer::singleShot(0, [text, button] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("TProtKomForm"));
        dialog->findChild<QPlainTextEdit*>()->setPlainText(text);
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->text() == button)
                b->click();
        }
    });
}

TEST(ReportComment, OkGivesTheTextAndCancelNothing) {
    AnswerCommentDialog(QStringLiteral("Zeile 1\nZeile 2"), QStringLiteral("OK"));
    EXPECT_EQ(AskReportComment(nullptr, QStringLiteral("Kommentar")),
              std::optional<QString>(QStringLiteral("Zeile 1\nZeile 2")));
    AnswerCommentDialog(QStringLiteral("verworfen"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(AskReportComment(nullptr, QStringLiteral("Kommentar")), std::nullopt);
}

} // namespace
} // namespace quindor
