// Moodle's GIFT format in the file menu: "GIFT-Datei importieren..." and "Als GIFT
// exportieren...", each ending with its report.
#include "app/av_main.h"

#include "core/activity_guard.h"
#include "editor/ui/gift_report_dialog.h"

#include <QMenuBar>

namespace quindor {

void MainWindow::createGiftCommands() {
    auto* menu = menuBar()->findChild<QMenu*>(QStringLiteral("DateiMenu"));
    gift_ = std::make_unique<GiftTransfer>(app_.session, app_.topics, app_.state, app_.pickers,
                                           app_.messages);
    QAction* before = action(QStringLiteral("ArbeitsblattItem"));
    const auto item = [this, menu, before](const char* name, const QString& text) {
        auto* created = new QAction(text, this);
        created->setObjectName(QString::fromLatin1(name));
        menu->insertAction(before, created);
        return created;
    };
    connect(item("GiftImportItem", QStringLiteral("&GIFT-Datei importieren...")),
            &QAction::triggered, this, &MainWindow::importGiftCommand);
    connect(item("GiftExportItem", QStringLiteral("Als GIFT e&xportieren...")), &QAction::triggered,
            this, &MainWindow::exportGiftCommand);
    menu->insertSeparator(before);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        const bool learning = app_.state.ViewMode == Mode::Learning;
        action(QStringLiteral("GiftImportItem"))->setEnabled(learning);
        action(QStringLiteral("GiftExportItem"))->setEnabled(learning && gift_->canExport());
    });
}

void MainWindow::importGiftCommand() {
    if (app_.state.ViewMode != Mode::Learning ||
        !MayLeaveCurrentActivity(app_.state, app_.messages) || !app_.session.AskSaveChanges())
        return;
    showGiftReport(QStringLiteral("GIFT-Import"), gift_->importFile());
}

void MainWindow::exportGiftCommand() {
    if (app_.state.ViewMode == Mode::Learning && gift_->canExport())
        showGiftReport(QStringLiteral("GIFT-Export"), gift_->exportDocuments());
}

void MainWindow::showGiftReport(const QString& caption, const QString& report) {
    if (report.isEmpty())
        return;
    TGiftBerichtForm window(caption, report, this);
    if (giftReportAnswer_)
        giftReportAnswer_(window);
    else
        window.exec();
}

} // namespace quindor
