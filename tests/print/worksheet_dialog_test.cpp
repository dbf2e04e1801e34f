// The worksheet dialog and its print dialog: the seed of an opening, the settings that go back
// into the document, the panels by document type, export and the print placement.
#include "layouts/pair_layout.h"
#include "print/ui/worksheet_dialog.h"
#include "print/ui/worksheet_print_dialog.h"
#include "print/worksheet_output.h"
#include "support/test_support.h"

#include <QLabel>
#include <QPdfWriter>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

class AnsweringPickers : public Pickers {
public:
    QString openFile(const QString&, const QString&, const QString&, const QString&) override {
        return QString();
    }
    QString saveFile(const QString& title, const QString& filters, const QString& extension,
                     const QString& start) override {
        asked = {title, filters, extension, start};
        return answer;
    }
    QString chooseFolder(const QString&, const QString&) override { return QString(); }
    QString answer;
    QStringList asked;
};

class WorksheetDialog : public ::testing::Test {
protected:
    WorksheetDialog() {
        printer.printerInstalled = [] { return false; };
        document.Header.Titel = QStringLiteral("Die Teile einer Pflanze");
        document.Header.FileName = dir.filePath(QStringLiteral("pflanze.qdr"));
        AddObject(document, {.Typ = ObjectKind::QueryLabel,
                             .Ebene = 1,
                             .Cap = QStringLiteral("Wurzel"),
                             .FrageNummer = -1,
                             .Kx = 0.5,
                             .Ky = 0.5,
                             .KAusr = 1});
    }

    std::unique_ptr<TArbeitsblattForm> open() {
        WorksheetSource source;
        source.pageImageSize = QSize(870, 609);
        return std::make_unique<TArbeitsblattForm>(
            state, document, source, random, TArbeitsblattForm::Ports{messages, pickers, printer});
    }

    QTemporaryDir dir;
    RecordingMessages messages;
    AnsweringPickers pickers;
    ProgramPrinter printer{pickers, messages};
    RandomGenerator random{4711};
    WorksheetState state;
    Document document;
};

TEST_F(WorksheetDialog, EveryOpeningHasItsOwnSeedAndEveryBuildOfItAgrees) {
    HeaderDataTyp& h = document.Header;
    h.DokTyp = DocumentType::CrossMatching;
    h.Zeilen = 4;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 2; ++c) {
            h.Cell(r, c).Art = 1;
            h.Cell(r, c).Text = QStringLiteral("%1%2").arg(c).arg(r);
        }
    }
    ProgramState programState;
    LayoutPass pass;
    pass.regenerate = true;
    pass.pageSize = QSize(870, 609);
    ClearObjects(document);
    PairLayout(document, pass, programState);

    const auto first = open();
    const QImage built = WorksheetImage(first->sheet(), 500);
    first->buildSheet();
    EXPECT_TRUE(test::SameImage(built, WorksheetImage(first->sheet(), 500)));
    first->accept();
    const auto second = open();
    EXPECT_NE(second->seed(), first->seed());
    EXPECT_GE(second->seed(), 1u);
    EXPECT_LE(second->seed(), 10000u);
}

TEST_F(WorksheetDialog, ClosingKeepsTheSettingsWithoutChangingTheDocument) {
    {
        const auto dialog = open();
        EXPECT_EQ(dialog->control<QLineEdit>("TitelEdit")->text(), document.Header.Titel);
        EXPECT_EQ(dialog->control<QPlainTextEdit>("AufgMemo")->toPlainText(),
                  QStringLiteral("Aufgabe: F\u00fclle die freien Felder aus!"));
        dialog->accept();
    }
    // Nothing changed: the document stays as it was.
    EXPECT_FALSE(document.Header.Modified);
    EXPECT_TRUE(document.Header.Arbeitsblatt.isEmpty());

    const auto dialog = open();
    dialog->control<QComboBox>("KaestchengroesseCombo")->setCurrentIndex(0);
    dialog->control<QPlainTextEdit>("AufgMemo")->setPlainText(QStringLiteral("Beschrifte!"));
    dialog->accept();
    // Kept for the program run and written when the document is saved: no change of its own.
    EXPECT_FALSE(document.Header.Modified);
    EXPECT_TRUE(document.Header.Arbeitsblatt.isEmpty());
    EXPECT_EQ(SerializeWorksheetSettings(state.settings),
              QStringLiteral("50 %|1|0|1|1|0.0|0.0|100.0|0|0|"));
    EXPECT_EQ(document.Header.ABAufgabe, QStringLiteral("Beschrifte!"));
    EXPECT_EQ(state.settings.KaestchengroesseCombo, 0);
}

TEST_F(WorksheetDialog, TheTabKeyReachesTheStepButtonsAsTheyStand) {
    document.Header.DokTyp = DocumentType::GapText;
    const auto dialog = open();
    const QStringList steps = {"BildKleinerBtn", "BildGroesserBtn", "LinksBtn",   "RechtsBtn",
                               "HoeherBtn",      "TieferBtn",       "KleinerBtn", "GroesserBtn"};
    QStringList order;
    for (QWidget* w = dialog->nextInFocusChain(); w != dialog.get(); w = w->nextInFocusChain()) {
        if (steps.contains(w->objectName()))
            order.append(w->objectName());
    }
    EXPECT_EQ(order, steps);
}

TEST_F(WorksheetDialog, ResetTakesTheDocumentsSettingsAgain) {
    document.Header.Arbeitsblatt = QStringLiteral("80 %|1|0|1|1|0.0|0.0|100.0|0|1|");
    document.Header.ABAufgabe = QStringLiteral("Ordne zu!");
    const auto dialog = open();
    dialog->show();
    dialog->control<QComboBox>("KaestchengroesseCombo")->setCurrentIndex(10);
    dialog->control<QPlainTextEdit>("AufgMemo")->setPlainText(QStringLiteral("Anders"));
    dialog->resetSettings();
    EXPECT_EQ(dialog->control<QComboBox>("KaestchengroesseCombo")->currentText(),
              QStringLiteral("80 %"));
    EXPECT_EQ(dialog->control<QPlainTextEdit>("AufgMemo")->toPlainText(),
              QStringLiteral("Ordne zu!"));
    EXPECT_TRUE(state.settings.landscape());
    // The preview turns with the page.
    const QSize page = dialog->preview()->pageSize();
    EXPECT_GT(page.width(), page.height());
}

TEST_F(WorksheetDialog, TheTitleFollowsTheDocumentWhileItsBoxIsChecked) {
    const auto dialog = open();
    auto* check = dialog->control<QCheckBox>("TitelCheck");
    auto* title = dialog->control<QLineEdit>("TitelEdit");
    check->setChecked(false);
    title->setText(QStringLiteral("Eigener Titel"));
    EXPECT_EQ(state.settings.TitelEdit, QStringLiteral("Eigener Titel"));
    check->setChecked(true);
    EXPECT_EQ(title->text(), document.Header.Titel);
    // The two base-image boxes are one setting.
    dialog->control<QCheckBox>("BasisbildCheck0")->setChecked(false);
    EXPECT_FALSE(dialog->control<QCheckBox>("BasisbildCheck")->isChecked());
    EXPECT_FALSE(state.settings.BasisbildCheck);
}

TEST_F(WorksheetDialog, ThePanelsFollowTheDocumentType) {
    const auto shown = [this](const char* name) {
        const auto dialog = open();
        auto* widget = dialog->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_TRUE(widget) << name;
        return widget && widget->isVisibleTo(dialog.get());
    };
    const auto type = [this](DocumentType t) { document.Header.DokTyp = t; };
    type(DocumentType::Labelling);
    EXPECT_TRUE(shown("FreiPanel"));
    EXPECT_TRUE(shown("ZeichnungenEinbindenCheck"));
    EXPECT_FALSE(shown("BildPanel"));
    EXPECT_FALSE(shown("FragenPanel"));
    EXPECT_TRUE(shown("KaestchengroesseCombo"));
    type(DocumentType::CrossMatching);
    EXPECT_TRUE(shown("FreiPanel"));
    EXPECT_FALSE(shown("ZeichnungenEinbindenCheck"));
    EXPECT_FALSE(shown("TextvorgabeCheck"));
    EXPECT_FALSE(shown("KaestchengroesseCombo"));
    EXPECT_TRUE(shown("ObjekteCheck"));
    type(DocumentType::GapText);
    EXPECT_TRUE(shown("BildPanel"));
    EXPECT_FALSE(shown("FreiPanel"));
    type(DocumentType::Cluster);
    EXPECT_TRUE(shown("BildPanel"));
    EXPECT_FALSE(shown("ObjekteCheck"));
    type(DocumentType::MultipleChoice);
    EXPECT_TRUE(shown("FragenPanel"));
    EXPECT_FALSE(shown("TextvorgabeCheck"));
    EXPECT_FALSE(shown("KaestchengroesseCombo"));
    type(DocumentType::Questions);
    EXPECT_TRUE(shown("FragenPanel"));
    EXPECT_TRUE(shown("TextvorgabeCheck"));
}

TEST_F(WorksheetDialog, ExportAsksForAFileAndRefusesOtherExtensions) {
    const auto dialog = open();
    pickers.answer = dir.filePath(QStringLiteral("blatt.bmp"));
    dialog->exportSheet();
    EXPECT_EQ(pickers.asked,
              (QStringList{QStringLiteral("Arbeitsblatt exportieren"),
                           QStringLiteral("PDF-Dokument (*.pdf)|*.pdf|SVG-Grafik (*.svg)|*.svg|"
                                          "Alle Dateien (*.*)|*.*"),
                           QStringLiteral("pdf"), dir.filePath(QStringLiteral("pflanze.pdf"))}));
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral(
                  "Speichern fehlgeschlagen wegen ung\u00fcltiger Dateinamenserweiterung.")});
    EXPECT_FALSE(QFile::exists(pickers.answer));
    messages.clear();
    pickers.answer = dir.filePath(QStringLiteral("blatt.svg"));
    dialog->exportSheet();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_TRUE(test::ReadFileBytes(pickers.answer).contains("<svg"));
}

TEST_F(WorksheetDialog, SizeAndPositionStayWithinTheirLimits) {
    document.Header.DokTyp = DocumentType::GapText;
    const auto dialog = open();
    dialog->control<QDoubleSpinBox>("BasisbildGroesse")->setValue(500);
    dialog->control<QDoubleSpinBox>("BasisbildX")->setValue(-30);
    EXPECT_DOUBLE_EQ(state.settings.BasisbildGroesse, 300.0);
    EXPECT_DOUBLE_EQ(state.settings.BasisbildX, -20.0);
    dialog->control<QPushButton>("TieferBtn")->click();
    dialog->control<QPushButton>("TieferBtn")->click();
    EXPECT_NEAR(state.settings.BasisbildY, 0.2, 1e-9);
    dialog->control<QPushButton>("GroesserBtn")->click();
    EXPECT_EQ(state.settings.MaxFontSize, 1);
}

TEST(WorksheetPrint, ALandscapeSheetShowsTheValuesTurnedAndStoresThemUpright) {
    RecordingMessages messages;
    class NoPickers : public Pickers {
    public:
        QString openFile(const QString&, const QString&, const QString&, const QString&) override {
            return QString();
        }
        QString saveFile(const QString&, const QString&, const QString&, const QString&) override {
            return QString();
        }
        QString chooseFolder(const QString&, const QString&) override { return QString(); }
    } pickers;
    ProgramPrinter printer(pickers, messages);
    printer.printerInstalled = [] { return false; };
    WorksheetPrintPlacement placement;
    const SheetPicture sheet;
    {
        WorksheetPrintDialog dialog(printer, placement, sheet, true);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Arbeitsblatt drucken"));
        EXPECT_EQ(dialog.printerInfo(), QStringLiteral("- Kein Drucker -"));
        EXPECT_EQ(dialog.orientationText(), QStringLiteral("Ausdruck erfolgt im Querformat"));
        EXPECT_DOUBLE_EQ(dialog.field(QStringLiteral("LiRandEdit"))->value(), 1.4);
        EXPECT_DOUBLE_EQ(dialog.field(QStringLiteral("ObRandEdit"))->value(), 2.2);
        EXPECT_DOUBLE_EQ(dialog.field(QStringLiteral("BreiteEdit"))->value(), 26.8);
        EXPECT_DOUBLE_EQ(dialog.field(QStringLiteral("HoeheEdit"))->value(), 16.5);
        dialog.field(QStringLiteral("BreiteEdit"))->setValue(16.3);
        EXPECT_DOUBLE_EQ(dialog.field(QStringLiteral("HoeheEdit"))->value(), 10.0);
        dialog.field(QStringLiteral("LiRandEdit"))->setValue(1.0);
        dialog.reject();
    }
    EXPECT_DOUBLE_EQ(placement.ObRand, 1.0);
    EXPECT_DOUBLE_EQ(placement.LiRand, 2.2);
    EXPECT_DOUBLE_EQ(placement.Breite, 10.0);
    EXPECT_DOUBLE_EQ(placement.Hoehe, 16.3);
    WorksheetPrintDialog upright(printer, placement, sheet, false);
    EXPECT_EQ(upright.orientationText(), QStringLiteral("Ausdruck erfolgt im Hochformat"));
    EXPECT_DOUBLE_EQ(upright.field(QStringLiteral("LiRandEdit"))->value(), 2.2);
    EXPECT_DOUBLE_EQ(upright.field(QStringLiteral("HoeheEdit"))->value(), 16.3);
}

} // namespace
} // namespace quindor
