// The windows and dialogs of runs and printing, each on its own.
#include "app/dialog_ports.h"
#include "exercise/ui/best_list_window.h"
#include "exercise/ui/exercise_dialogs.h"
#include "print/ui/table_and_view_printing.h"
#include "support/test_support.h"
#include "view/ui/info_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace quindor {
namespace {

// Enter and Escape on a question that deletes give its harmless answer; Escape on the quit
// question keeps the program running.
TEST(DialogMessagesTest, EnterAndEscapeNeverDelete) {
    const auto press = [](Qt::Key key) {
        QTimer::singleShot(0, [key] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(box, &event);
            if (box->isVisible())
                box->done(QDialog::Rejected);
        });
    };
    DialogMessages messages;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        press(key);
        EXPECT_EQ(messages.question(QString(), MessageButtons::YesNoCancel, Answer::No),
                  Answer::No);
    }
    press(Qt::Key_Escape);
    EXPECT_EQ(messages.choose(
                  QString(), QString(),
                  {QStringLiteral("Ja, beenden"), QStringLiteral("Nein, weiter arbeiten")}, 0),
              1);
}

TEST(BestListWindowTest, GridAndTextOfTheRankedList) {
    RecordingMessages messages;
    test::RecordingPickers pickers;
    std::vector<BestListDataTyp> ranked = {
        {QStringLiteral("Ada"), QStringLiteral("PC-1"), 46000.25, 75000, 0.9},
        {QStringLiteral("Bo"), QStringLiteral("PC-2"), 46000.5, 5000, 0.85}};
    ProgramPrinter printer(pickers, messages);
    BestListWindow window(QStringLiteral("Bestenliste - Individual-Übung"), ranked, pickers,
                          messages, printer);
    QTableWidget* grid = window.grid();
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->horizontalHeaderItem(4)->text(), QStringLiteral("Zeit (Min:Sek)"));
    EXPECT_EQ(grid->columnWidth(1), 200);
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(grid->item(0, 3)->text(), QStringLiteral("90.0 %"));
    EXPECT_EQ(grid->item(1, 4)->text(), QStringLiteral("00:05"));
    EXPECT_TRUE(grid->item(0, 3)->textAlignment() & Qt::AlignHCenter);
    EXPECT_EQ(window.text(), BestListTable(ranked));
    // An empty list still shows one empty row.
    BestListWindow empty(QStringLiteral("Bestenliste - Netzwerk-Übung"), {}, pickers, messages,
                         printer);
    EXPECT_EQ(empty.grid()->rowCount(), 1);
}

TEST(ViewPrintDialogTest, ProportionAndPrintingToPdf) {
    RecordingMessages messages;
    test::RecordingPickers pickers;
    ProgramPrinter shared(pickers, messages);
    shared.printerInstalled = [] { return true; };
    QPrinter& printer = shared.printer();
    ViewPrintDialog dialog(shared);
    QImage picture(1000, 500, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::darkGreen);
    dialog.setPicture(picture);
    EXPECT_DOUBLE_EQ(dialog.heightField()->value(), 8.5);
    dialog.heightField()->setValue(5.0);
    EXPECT_DOUBLE_EQ(dialog.widthField()->value(), 10.0);
    dialog.ratioBox()->setChecked(false);
    dialog.heightField()->setValue(3.0);
    EXPECT_DOUBLE_EQ(dialog.widthField()->value(), 10.0);
    dialog.ratioBox()->setChecked(true);
    EXPECT_DOUBLE_EQ(dialog.heightField()->value(), 5.0);
    // Margins count from the paper's edge.
    EXPECT_EQ(dialog.printRect(QPoint(30, 250)), QRect(170, 0, 1000, 500));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("ansicht.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    dialog.print();
    EXPECT_GT(QFileInfo(pdf).size(), 500);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(ViewPrintDialogTest, WithoutAPrinterTheViewGoesIntoAPdfFileTheUserNames) {
    RecordingMessages messages;
    test::RecordingPickers pickers;
    ProgramPrinter shared(pickers, messages);
    shared.printerInstalled = [] { return false; };
    ViewPrintDialog dialog(shared);
    QImage picture(400, 300, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::darkGreen);
    dialog.setPicture(picture);
    EXPECT_EQ(dialog.printerInfo(), QStringLiteral("- Kein Drucker -"));

    // Cancelling the file dialog prints nothing and says nothing.
    dialog.print();
    EXPECT_EQ(pickers.titles.size(), 1);
    EXPECT_TRUE(messages.texts().isEmpty());

    QTemporaryDir dir;
    pickers.saveAnswer = dir.filePath(QStringLiteral("ansicht.pdf"));
    dialog.print();
    EXPECT_EQ(test::ReadFileBytes(pickers.saveAnswer).left(5), QByteArray("%PDF-"));

    // A file that cannot be written is reported, not passed over in silence.
    pickers.saveAnswer = dir.filePath(QStringLiteral("fehlt/ansicht.pdf"));
    dialog.print();
    EXPECT_EQ(messages.texts(),
              QStringList{QStringLiteral("Der Druck konnte nicht gestartet werden.")});
}

TEST(ProgramPrinterTest, PrinterSetupAppliesToEveryPrintout) {
    RecordingMessages messages;
    test::RecordingPickers pickers;
    ProgramPrinter shared(pickers, messages);
    shared.printerInstalled = [] { return true; };
    shared.printer().setPageOrientation(QPageLayout::Landscape);
    QTemporaryDir dir;
    shared.printer().setOutputFormat(QPrinter::PdfFormat);
    shared.printer().setOutputFileName(dir.filePath(QStringLiteral("liste.pdf")));
    // The table printing of every window goes through the shared printer and its setup.
    QPageLayout::Orientation used = QPageLayout::Portrait;
    shared.printDirect(QStringLiteral("Bestenliste"), [&](QPrinter& target) {
        used = target.pageLayout().orientation();
        return PrintTableOn(target,
                            PrintTableData{{100}, {Qt::AlignLeft}, 1, {{QStringLiteral("Kopf")}}});
    });
    EXPECT_EQ(used, QPageLayout::Landscape);
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("liste.pdf"))).size(), 500);
}

TEST(BestListWindowTest, PrintsItsGridAsATable) {
    RecordingMessages messages;
    test::RecordingPickers pickers;
    std::vector<BestListDataTyp> ranked(
        120, {QStringLiteral("Ada"), QStringLiteral("PC"), 46000.5, 1000, 0.5});
    ProgramPrinter shared(pickers, messages);
    BestListWindow window(QStringLiteral("Bestenliste - Individual-Übung"), ranked, pickers,
                          messages, shared);
    PrintTableData table = window.printTable();
    // The time column is as wide as its heading needs ("Zeit (Min:Sek)" is cut at 80).
    ASSERT_EQ(table.screenWidths.size(), 6u);
    EXPECT_GE(table.screenWidths[4], window.grid()->horizontalHeader()->sectionSizeHint(4));
    table.screenWidths[4] = 80;
    EXPECT_EQ(table.screenWidths, (std::vector<int>{40, 200, 100, 80, 80, 140}));
    ASSERT_EQ(table.rows.size(), 121u);
    EXPECT_EQ(table.rows[0][4], QStringLiteral("Zeit (Min:Sek)"));
    EXPECT_EQ(table.rows[120][0], QStringLiteral("120"));

    QTemporaryDir dir;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("liste.pdf")));
    QPainter painter(&printer);
    MapToTenthMillimetres(painter, printer.resolution(), printer.resolution());
    int pages = 1;
    PrintTable(painter, table, PaperTenthMillimetres(printer), UnprintableOffset(printer), [&] {
        printer.newPage();
        ++pages;
    });
    painter.end();
    EXPECT_GE(pages, 2);
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("liste.pdf"))).size(), 1000);
}

TEST(FolderDialogTest, InvalidFoldersAreNamedInOrderAndNothingIsStored) {
    QTemporaryDir dir;
    ProgramState state;
    state.BestListFolder = dir.path() + QStringLiteral("/listen/");
    state.ProtocolFolder = dir.path() + QStringLiteral("/protokolle/");
    state.ChronicleFolder = dir.path() + QStringLiteral("/chronik/");
    RecordingMessages messages;
    test::RecordingPickers pickers;
    FolderDialog dialog(state, pickers, messages);
    dialog.accept();
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Der angegebene Ordner für die Chronik-Screenshots ist ungültig."));
    dialog.field(2)->setText(dir.path());
    dialog.accept();
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Der angegebene Ordner für die Protokolle ist ungültig."));
    dialog.field(1)->setText(dir.path());
    dialog.accept();
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Der angegebene Ordner für die Bestenlisten ist ungültig."));
    EXPECT_EQ(state.ChronicleFolder, dir.path() + QStringLiteral("/chronik/"));
    dialog.field(0)->setText(dir.path());
    dialog.accept();
    EXPECT_EQ(state.BestListFolder, dir.path() + QLatin1Char('/'));
    EXPECT_EQ(state.ProtocolFolder, dir.path() + QLatin1Char('/'));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(GradeScaleDialogTest, RefusesGradesOutOfOrderAndStoresValidOnes) {
    Settings settings;
    RecordingMessages messages;
    GradeScaleDialog dialog(settings, messages);
    EXPECT_EQ(dialog.gradeField(1)->text(), QStringLiteral("85,0"));
    EXPECT_EQ(dialog.pointsField(15)->text(), QStringLiteral("95,0"));
    dialog.gradeField(1)->setText(QStringLiteral("70"));
    dialog.gradeField(2)->setText(QStringLiteral("85"));
    dialog.accept();
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\nDer Wert "
                             "für Note 1 darf nicht kleiner sein als der Wert für Note 2."));
    EXPECT_EQ(settings.NoteMinQuote[1], 0.85);

    dialog.gradeField(1)->setText(QStringLiteral("90,5"));
    // Five grades: the fifth boundary falls to 0.
    dialog.scale()->item(1)->click();
    EXPECT_EQ(dialog.gradeField(5)->text(), QStringLiteral("0,0"));
    dialog.accept();
    EXPECT_EQ(settings.NoteMinQuote[1], 0.905);
    EXPECT_EQ(settings.NoteMinQuote[5], 0.0);
    EXPECT_EQ(settings.BewertSkala, 1);
}

TEST(ExerciseOptionsDialogTest, TypingALimitChoosesItAndClosingKeepsTheChanges) {
    Settings settings;
    ExerciseOptionsDialog dialog(OptionsFamily::Labelling, settings);
    EXPECT_EQ(
        dialog.windowTitle(),
        QStringLiteral("Übungseinstellungen für Text-Bild- / Bild-Text-Zuordnung und Lückentext"));
    auto* minutes = dialog.findChild<QLineEdit*>(QStringLiteral("ZLimitMin"));
    ASSERT_TRUE(minutes);
    // The dialog is shown modally; drive it from inside its event loop.
    QTimer::singleShot(0, &dialog, [&] {
        minutes->setText(QString());
        QKeyEvent press(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
        QCoreApplication::sendEvent(minutes, &press);
        dialog.reject();
    });
    EXPECT_FALSE(dialog.showFor(DocumentType::Labelling));
    EXPECT_EQ(settings.UebOpt.Zeitlimit, 1);
    EXPECT_EQ(settings.UebOpt.ZLimitMin, QStringLiteral("5"));
    EXPECT_FALSE(dialog.extended());
}

// Minutes and seconds go from 0 to 59: a key that would make more is refused.
TEST(ExerciseOptionsDialogTest, TimeFieldsTakeNoMoreThan59) {
    Settings settings;
    ExerciseOptionsDialog dialog(OptionsFamily::Cluster, settings);
    const auto typed = [](QLineEdit* field, const QString& keys) {
        field->clear();
        for (const QChar key : keys) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + key.digitValue(), Qt::NoModifier,
                            QString(key));
            QCoreApplication::sendEvent(field, &press);
        }
        return field->text();
    };
    auto* minutes = dialog.findChild<QLineEdit*>(QStringLiteral("ZLimitMin"));
    auto* seconds = dialog.findChild<QLineEdit*>(QStringLiteral("ZLimitSek"));
    ASSERT_TRUE(minutes && seconds);
    EXPECT_EQ(typed(minutes, QStringLiteral("99")), QStringLiteral("9"));
    EXPECT_EQ(typed(minutes, QStringLiteral("60")), QStringLiteral("6"));
    EXPECT_EQ(typed(minutes, QStringLiteral("59")), QStringLiteral("59"));
    EXPECT_EQ(typed(seconds, QStringLiteral("075")), QStringLiteral("07"));
    EXPECT_EQ(typed(seconds, QStringLiteral("0")), QStringLiteral("0"));
}

TEST(InfoBoxTest, PlainCopySavedAsRichTextAndPrinted) {
    RecordingMessages messages;
    test::RecordingPickers pickers;
    ProgramPrinter shared(pickers, messages);
    InfoBox box(pickers, messages, shared);
    box.showText(QStringLiteral("<B>Blüte</B>\r\nDie <i>Blüte</i> trägt die Samen."));
    const std::vector<RichParagraph> paragraphs = box.plainParagraphs();
    ASSERT_EQ(paragraphs.size(), 2u);
    EXPECT_EQ(paragraphs[1],
              (RichParagraph{QStringLiteral("Die Blüte trägt die Samen."), false, 11}));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("info.rtf"));
    ASSERT_TRUE(box.saveAs(file));
    const QByteArray rtf = test::ReadFileBytes(file);
    EXPECT_TRUE(rtf.contains("\\fs22\\b0 Bl\\'fcte\\par"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("info.pdf")));
    box.printTo(printer);
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("info.pdf"))).size(), 500);
    box.hide();
}

} // namespace
} // namespace quindor
