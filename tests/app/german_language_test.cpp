// Qt's own texts in German whatever the system's language, and German formats where the system
// names no locale.
#include "app/german_language.h"
#include "support/test_support.h"
#include "view/document_properties.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTranslator>

#include <gtest/gtest.h>

namespace quindor {
namespace {

// Each test leaves the application as it found it: no translators, the system's locale.
class GermanLanguage : public ::testing::Test {
protected:
    void TearDown() override {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::system());
    }
};

QStringList Texts(const QWidget& widget) {
    QStringList texts;
    for (const QAbstractButton* button : widget.findChildren<QAbstractButton*>())
        texts.append(button->text());
    for (const QLabel* label : widget.findChildren<QLabel*>())
        texts.append(label->text());
    return texts;
}

TEST_F(GermanLanguage, WithoutASystemLocaleNumbersAndDatesAreGerman) {
    ASSERT_TRUE(UseGermanLanguage(*qApp, QLocale::c()));
    EXPECT_EQ(QLocale().language(), QLocale::German);
    EXPECT_EQ(QLocale().toString(81673), QStringLiteral("81.673"));
    EXPECT_EQ(QLocale().toString(QDate(2026, 12, 9), QLocale::ShortFormat),
              QStringLiteral("09.12.26"));
    // The properties dialog's size and date of a document file.
    QTemporaryDir dir;
    Document document;
    document.Header.FileName = dir.filePath(QStringLiteral("Wald.qdr"));
    test::WriteFileBytes(document.Header.FileName, QByteArray(81673, 'x'));
    const DocumentPropertiesTexts texts = DocumentProperties(document);
    EXPECT_EQ(texts.Groesse, QStringLiteral("81.673 Bytes"));
    EXPECT_TRUE(texts.GeaendertAm.contains(
        QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$"))))
        << texts.GeaendertAm.toStdString();
}

TEST_F(GermanLanguage, ASystemLocaleKeepsItsFormatsButQtSpeaksGerman) {
    const QLocale before = QLocale();
    ASSERT_TRUE(UseGermanLanguage(*qApp, QLocale(QLocale::English, QLocale::UnitedStates)));
    EXPECT_EQ(QLocale(), before);
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
}

TEST_F(GermanLanguage, StandardDialogsAndMessageBoxButtonsAreGerman) {
    ASSERT_TRUE(UseGermanLanguage(*qApp, QLocale::c()));
    QMessageBox question(QMessageBox::Question, QStringLiteral("Frage"), QStringLiteral("?"),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(question.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
    EXPECT_EQ(question.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));

    QFileDialog files(nullptr, QStringLiteral("Dokument öffnen"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList fileTexts = Texts(files);
    EXPECT_TRUE(fileTexts.contains(QStringLiteral("&Öffnen"))) << fileTexts.join('|').toStdString();
    EXPECT_TRUE(fileTexts.contains(QStringLiteral("Abbrechen")));
    EXPECT_TRUE(fileTexts.contains(QStringLiteral("Datei&name:")) ||
                fileTexts.contains(QStringLiteral("Dateiname:")))
        << fileTexts.join('|').toStdString();

    QPrinter printer;
    QPrintDialog print(&printer);
    EXPECT_EQ(print.windowTitle(), QStringLiteral("Drucken"));
    const QStringList printTexts = Texts(print);
    EXPECT_TRUE(printTexts.contains(QStringLiteral("&Drucken")))
        << printTexts.join('|').toStdString();
    EXPECT_TRUE(printTexts.contains(QStringLiteral("Abbrechen")));

    QPageSetupDialog pageSetup(&printer);
    const QStringList pageTexts = Texts(pageSetup);
    EXPECT_TRUE(pageTexts.contains(QStringLiteral("Abbrechen")))
        << pageTexts.join('|').toStdString();
    EXPECT_TRUE(pageTexts.contains(QStringLiteral("&Hochformat")) ||
                pageTexts.contains(QStringLiteral("Hochformat")))
        << pageTexts.join('|').toStdString();

    QPrintPreviewDialog preview(&printer);
    QStringList actions;
    for (const QAction* action : preview.findChildren<QAction*>())
        actions.append(action->text());
    EXPECT_TRUE(actions.contains(QStringLiteral("Drucken"))) << actions.join('|').toStdString();
    EXPECT_TRUE(actions.contains(QStringLiteral("Seite einrichten")))
        << actions.join('|').toStdString();
}

} // namespace
} // namespace quindor
