#include "settings/ui/font_dialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace quindor {
namespace {

// Runs action on the dialog once FontDialog has shown it.
std::optional<QString> RunFontDialog(const QString& current,
                                     const std::function<void(TSchriftartForm&)>& action) {
    QTimer::singleShot(0, [action] {
        auto* form = qobject_cast<TSchriftartForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        action(*form);
    });
    return FontDialog(nullptr, current);
}

TEST(FontDialog, SelectsTheCurrentFontAndReturnsTheChoiceOnOk) {
    const QStringList families = QFontDatabase::families();
    ASSERT_GE(families.size(), 2);
    const QString current = families.first();
    const QString other = families.last();

    const std::optional<QString> chosen =
        RunFontDialog(current.toUpper(), [&](TSchriftartForm& form) {
            EXPECT_EQ(form.windowTitle(), QStringLiteral("Schriftart"));
            EXPECT_EQ(form.findChild<QGroupBox*>()->title(),
                      QStringLiteral(" Schriftart für Dokumentendarstellung "));
            EXPECT_EQ(form.fontList()->count(), families.size());
            EXPECT_EQ(form.selectedFont(), current);
            EXPECT_EQ(form.preview()->text(), current);
            form.fontList()->setCurrentRow(static_cast<int>(families.size() - 1));
            EXPECT_EQ(form.preview()->text(), other);
            EXPECT_EQ(form.preview()->font().family(), QFont(other).family());
            EXPECT_EQ(form.okButton()->text(), QStringLiteral("OK"));
            form.okButton()->click();
        });
    EXPECT_EQ(chosen, other);
}

TEST(FontDialog, AFontThisComputerLacksIsOfferedAndOkOnItChangesNothing) {
    const QString missing = QStringLiteral("Quindor Fehlschrift");
    const std::optional<QString> chosen = RunFontDialog(missing, [&](TSchriftartForm& form) {
        EXPECT_EQ(form.fontList()->count(), QFontDatabase::families().size() + 1);
        EXPECT_EQ(form.selectedFont(), missing);
        form.okButton()->click();
    });
    EXPECT_EQ(chosen, std::nullopt);
}

TEST(FontDialog, AbbrechenReturnsNothing) {
    const QString current = QFontDatabase::families().value(0);
    const std::optional<QString> chosen = RunFontDialog(current, [](TSchriftartForm& form) {
        form.fontList()->setCurrentRow(form.fontList()->count() - 1);
        EXPECT_EQ(form.cancelButton()->text(), QStringLiteral("Abbrechen"));
        form.cancelButton()->click();
    });
    EXPECT_EQ(chosen, std::nullopt);
}

} // namespace
} // namespace quindor
