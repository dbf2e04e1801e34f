// The learning view's part of the program window: its menu, the layer switches, the zoom and
// what a click on the page does.
#include "app/av_main.h"

#include "document/numbering.h"
#include "view/info_password.h"
#include "view/learning_clicks.h"
#include "view/query_fields.h"
#include "view/ui/cover_sheet_widget.h"
#include "view/ui/info_box.h"
#include "view/ui/password_dialog.h"
#include "view/view_geometry.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace quindor {

void MainWindow::createLearningMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Lernansicht"));
    menu->setObjectName(QStringLiteral("LernansichtMenu"));
    learningMenu_ = menu;
    connect(addAction(menu, QStringLiteral("AlleAbdeckenItem"),
                      QStringLiteral("Alle Abfragefelder &abdecken"),
                      QKeySequence(Qt::CTRL | Qt::Key_Down)),
            &QAction::triggered, this, [this] {
                CoverAll(app_.session.document());
                ComposeView();
            });
    connect(addAction(menu, QStringLiteral("AlleAufdeckenItem"),
                      QStringLiteral("Alle Abfragefelder auf&decken"),
                      QKeySequence(Qt::CTRL | Qt::Key_Up)),
            &QAction::triggered, this, [this] {
                UncoverAll(app_.session.document());
                ComposeView();
            });
    menu->addSeparator();
    auto* numbering = new QActionGroup(this);
    const std::tuple<Numbering, const char*, QString> modes[] = {
        {Numbering::QuestionMarks, "FragezeichenItem", QStringLiteral("&Fragezeichen")},
        {Numbering::Ordered, "GeordnetItem", QStringLiteral("&Geordnet")},
        {Numbering::Random, "ZufaelligItem", QStringLiteral("&Zuf\u00e4llig")}};
    for (const auto& [mode, name, caption] : modes) {
        QAction* item = addAction(menu, QString::fromLatin1(name), caption);
        item->setCheckable(true);
        numbering->addAction(item);
        numberingItems_[static_cast<size_t>(mode)] = item;
        connect(item, &QAction::triggered, this, [this, mode = mode] { SetNumbering(mode, true); });
    }
    menu->addSeparator();
    coverSheet_ = new CoverSheetWidget(page_);
    connect(addAction(menu, QStringLiteral("AbdeckblattEinItem"),
                      QStringLiteral("Abdeckblatt &einblenden")),
            &QAction::triggered, coverSheet_, &CoverSheetWidget::showSheet);
    connect(addAction(menu, QStringLiteral("AbdeckblattAusItem"),
                      QStringLiteral("Abdeckblatt aus&blenden")),
            &QAction::triggered, coverSheet_, &CoverSheetWidget::hideSheet);
    menu->addSeparator();
    auto* zoom = new QActionGroup(this);
    const std::pair<const char*, QString> levels[] = {{"Zoom100Item", QStringLiteral("&100 %")},
                                                      {"Zoom150Item", QStringLiteral("1&50 %")},
                                                      {"Zoom200Item", QStringLiteral("&200 % ")}};
    for (int level = 0; level < 3; ++level) {
        QAction* item =
            addAction(menu, QString::fromLatin1(levels[level].first), levels[level].second);
        item->setCheckable(true);
        zoom->addAction(item);
        zoomItems_[static_cast<size_t>(level)] = item;
        connect(item, &QAction::triggered, this,
                [this, level] { SetZoom(static_cast<ZoomLevel>(level)); });
    }
    zoomItems_[0]->setChecked(true);
    numberingItems_[static_cast<size_t>(app_.state.NumberingMode)]->setChecked(true);
    menu->addSeparator();
    QMenu* layers = menu->addMenu(QStringLiteral("&Ebenen"));
    layers->setObjectName(QStringLiteral("EbenenMenu"));
    const std::pair<QString, QString> names[] = {
        {QStringLiteral("&Basisbild"), QStringLiteral(" Basisbild ")},
        {QStringLiteral("&Texte und Bilder"), QStringLiteral(" Texte && Bilder ")},
        {QStringLiteral("Info&punkte"), QStringLiteral(" Infopunkte ")},
        {QStringLiteral("&Layout"), QStringLiteral(" Layout  ")}};
    for (int layer = 0; layer < 4; ++layer) {
        QAction* item =
            addAction(layers, QStringLiteral("Ebene%1Item").arg(layer), names[layer].first);
        item->setCheckable(true);
        item->setChecked(true);
        auto* box = new QCheckBox(names[layer].second, toolArea_);
        box->setObjectName(QStringLiteral("Ebene%1Check").arg(layer));
        box->setChecked(true);
        static_cast<QVBoxLayout*>(toolArea_->layout())->insertWidget(layer, box);
        layerBoxes_[static_cast<size_t>(layer)] = box;
        learningTools_.append(box);
        layerItems_[static_cast<size_t>(layer)] = item;
        connect(item, &QAction::toggled, this, [this, layer](bool on) { SetLayer(layer, on); });
        connect(box, &QCheckBox::toggled, this, [this, layer](bool on) { SetLayer(layer, on); });
    }
}

void MainWindow::createLearningButtons() {
    // The buttons of the tool area run the same commands as the menu items.
    auto* tools = static_cast<QVBoxLayout*>(toolArea_->layout());
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    const auto button = [this](const QString& text, const QString& hint, QAction* item) {
        auto* b = new QToolButton;
        b->setText(text);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setCheckable(item->isCheckable());
        connect(b, &QToolButton::clicked, item, &QAction::trigger);
        connect(item, &QAction::toggled, b, &QToolButton::setChecked);
        b->setChecked(item->isChecked());
        learningTools_.append(b);
        return b;
    };
    grid->addWidget(button(QStringLiteral("Abdecken"),
                           QStringLiteral("Alle Abfragefelder abdecken"),
                           action(QStringLiteral("AlleAbdeckenItem"))),
                    0, 0, 1, 3);
    grid->addWidget(button(QStringLiteral("L\u00f6sung"), QStringLiteral("L\u00f6sung"),
                           action(QStringLiteral("AlleAufdeckenItem"))),
                    1, 0, 1, 3);
    grid->addWidget(button(QStringLiteral("?"), QStringLiteral("?"), numberingItems_[0]), 2, 0);
    grid->addWidget(button(QStringLiteral("1 2 3"),
                           QStringLiteral("Abfragefelder geordnet nummerieren"),
                           numberingItems_[1]),
                    2, 1);
    grid->addWidget(button(QStringLiteral("3 1 2"),
                           QStringLiteral("Abfragefelder zuf\u00e4llig nummerieren"),
                           numberingItems_[2]),
                    2, 2);
    const QString zoomTexts[] = {QStringLiteral("100%"), QStringLiteral("150%"),
                                 QStringLiteral("200%")};
    for (int level = 0; level < 3; ++level)
        grid->addWidget(
            button(zoomTexts[level], zoomTexts[level], zoomItems_[static_cast<size_t>(level)]), 3,
            level);
    tools->insertLayout(4, grid);
}

void MainWindow::SetLayer(int layer, bool visible) {
    const size_t i = static_cast<size_t>(layer);
    if (app_.view.layers()[i] == visible)
        return;
    app_.view.layers()[i] = visible;
    const QSignalBlocker itemBlocker(layerItems_[i]);
    const QSignalBlocker boxBlocker(layerBoxes_[i]);
    layerItems_[i]->setChecked(visible);
    layerBoxes_[i]->setChecked(visible);
    ComposeView();
}

void MainWindow::SetZoom(ZoomLevel level) {
    zoomItems_[static_cast<size_t>(level)]->setChecked(true);
    if (app_.view.SetZoom(level))
        showDisplay();
}

void MainWindow::SetNumbering(Numbering mode, bool recompose) {
    SetNumberingMode(app_.session.document(), app_.state, mode);
    numberingItems_[static_cast<size_t>(mode)]->setChecked(true);
    if (recompose)
        ComposeView();
}

void MainWindow::ComposeView() {
    const ProgramState& state = app_.state;
    // Nothing is shown before the first activation, nothing more after closing began.
    if (state.FirstActivation || state.Closing)
        return;
    // During a run the view is as wide as the exercise panel's document area.
    if (state.ViewMode == Mode::Exercise) {
        exercisePanel_->redrawView();
        return;
    }
    app_.view.ComposeView(page_->size());
    showDisplay();
}

void MainWindow::showDisplay() {
    page_->setPage(app_.view.displayPicture());
    page_->update();
    // During a run the exercise panel shows the page (the question keys stay active).
    if (exercisePanel_ && exercisePanel_->isVisible())
        exercisePanel_->update();
}

void MainWindow::pagePressed(QPoint point, Qt::MouseButton button) {
    if (button != Qt::LeftButton && button != Qt::MiddleButton)
        return;
    openClicked(ClickAt(app_.view, app_.session.document(), app_.state, point));
}

void MainWindow::openClicked(const ClickOutcome& outcome) {
    switch (outcome.effect) {
    case ClickEffect::None:
        return;
    case ClickEffect::Redrawn:
    case ClickEffect::Recomposed:
        showDisplay();
        return;
    case ClickEffect::OpenInfo:
        ShowInfoBox(outcome.index);
        return;
    case ClickEffect::OpenExternal:
        links_->openExternalLink(outcome.target);
        return;
    case ClickEffect::OpenDocument:
        links_->openDocumentLink(outcome.target);
        return;
    case ClickEffect::OpenPictureLink:
        links_->openPictureLink(outcome.target);
        return;
    }
}

void MainWindow::pageHovered(QPoint point) {
    if (app_.state.ViewMode != Mode::Learning)
        return;
    page_->setCursor(app_.view.HitTest(point.x(), point.y()) >= 0 ? Qt::PointingHandCursor
                                                                  : Qt::ArrowCursor);
}

void MainWindow::ShowInfoBox(int index) {
    const ObjDataTyp& point = app_.session.document().Object(index);
    if (!CheckInfoPointPassword(point, app_.messages, passwordPrompt_))
        return;
    if (!infoBox_)
        infoBox_ = new InfoBox(app_.pickers, app_.messages, app_.printer, this);
    infoBox_->showText(point.Cap);
    infoBox_->move(mapToGlobal(QPoint(width() - infoBox_->width() - 6, 6)));
}

bool MainWindow::viewKey(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier) {
        const std::optional<int> question =
            QuestionAfterKey(app_.session.header(), app_.state.CurrentQuestion, event->key());
        if (question) {
            app_.state.CurrentQuestion = *question;
            app_.view.RecomposeObjects();
            showDisplay();
            return true;
        }
    }
    if ((event->modifiers() & Qt::ControlModifier) && (event->modifiers() & Qt::KeypadModifier)) {
        if (event->key() == Qt::Key_Plus) {
            if (app_.view.ZoomIn())
                zoomItems_[static_cast<size_t>(app_.view.geometry().Zoom)]->setChecked(true);
            showDisplay();
            return true;
        }
        if (event->key() == Qt::Key_Minus) {
            if (app_.view.ZoomOut())
                zoomItems_[static_cast<size_t>(app_.view.geometry().Zoom)]->setChecked(true);
            showDisplay();
            return true;
        }
    }
    return false;
}

} // namespace quindor
