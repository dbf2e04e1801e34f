// The main window's part in the worksheets: the menu item and the tool button that open the
// worksheet dialog on the open document.
#include "app/av_main.h"

#include "print/ui/worksheet_dialog.h"

#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quindor {

void MainWindow::createWorksheetCommand() {
    auto* fileMenu = menuBar()->findChild<QMenu*>(QStringLiteral("DateiMenu"));
    QAction* item = new QAction(QStringLiteral("&Arbeitsblatt erstellen..."), this);
    item->setObjectName(QStringLiteral("ArbeitsblattItem"));
    // Beside the other printouts.
    fileMenu->insertAction(action(QStringLiteral("DruckereinrichtungItem")), item);
    connect(item, &QAction::triggered, this, &MainWindow::worksheetCommand);

    auto* button = new QToolButton;
    button->setObjectName(QStringLiteral("ArbeitsblattBtn"));
    button->setText(QStringLiteral("Arbeitsblatt erstellen"));
    button->setToolTip(button->text());
    button->setAccessibleName(button->text());
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(button, &QToolButton::clicked, item, &QAction::trigger);
    auto* tools = static_cast<QVBoxLayout*>(toolArea_->layout());
    tools->insertWidget(5, button);
    learningTools_.append(button);
}

void MainWindow::worksheetCommand() {
    if (app_.state.ViewMode != Mode::Learning)
        return;
    WorksheetSource source;
    source.pageImageSize = app_.view.pageImage().size();
    source.layers = app_.view.layers();
    source.viewPicture = app_.view.displayPicture();
    TArbeitsblattForm dialog(app_.worksheet, app_.session.document(), source, app_.state.Random,
                             {app_.messages, app_.pickers, app_.printer}, this);
    dialog.exec();
    // The learning view as it was, with the document's elements in their rows.
    documentChanged();
}

} // namespace quindor
