#include "whiteboard/ui/whiteboard_toolbar.h"

#include "whiteboard/sheets.h"
#include "whiteboard/ui/tool_icons.h"

#include <QGridLayout>
#include <QMenu>
#include <QVBoxLayout>

#include <functional>

namespace quindor {

namespace {

QString AreaHint() {
    return QStringLiteral("Bereich ausw\u00e4hlen f\u00fcr Drucken, Speichern, kopieren\r\nin "
                          "Zwischenablage und einf\u00fcgen aus Zwischenablage");
}

// Menu captions show one line.
QString OneLine(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

} // namespace

WhiteboardToolBar::WhiteboardToolBar(QSize thumbnailSize, QWidget* parent)
    : QWidget(parent), presetMenu_(new QMenu(this)), sizeMenu_(new QMenu(this)),
      colourMenu_(new QMenu(this)), stampMenu_(new QMenu(this)), sheetMenu_(new QMenu(this)),
      chronicleMenu_(new ChronicleMenu(thumbnailSize, this)) {
    setObjectName(QStringLiteral("TafelPanel"));
    const auto tool = [this](BoardCommand command, const char* name, const QString& hint,
                             const QIcon& icon) { makeAction(command, name, hint, icon, true); };
    tool(BoardCommand::Pointer, "ZeigerItem",
         QStringLiteral("Zeiger zum Auf- und Abdecken von Abfragefeldern"),
         BoardIconOf(BoardIcon::Pointer));
    tool(BoardCommand::Hand, "HandItem", QStringLiteral("Bildausschnitt verschieben"),
         BoardIconOf(BoardIcon::Hand));
    tool(BoardCommand::Pen, "StiftItem", QStringLiteral("Zeichenstift"), PenPresetIcon(1));
    tool(BoardCommand::Eraser, "RadiererItem", QStringLiteral("Radierer"),
         BoardIconOf(BoardIcon::Eraser));
    tool(BoardCommand::Stamp, "StempelItem", QStringLiteral("Symbolstempel"),
         BoardIconOf(BoardIcon::Stamp));
    tool(BoardCommand::Text, "TextItem", QStringLiteral("Text"), BoardIconOf(BoardIcon::Text));
    tool(BoardCommand::Area, "BereichItem", AreaHint(), BoardIconOf(BoardIcon::Area));
    makeAction(BoardCommand::Size, "GroesseItem", QStringLiteral("Gr\u00f6\u00dfe"), SizeIcon(1));
    makeAction(BoardCommand::Colour, "FarbeItem", QStringLiteral("Farbe"), ColourIcon(21));
    makeAction(BoardCommand::RemoveAll, "AlleZeichnungenItem",
               QStringLiteral("Alle Zeichnungen entfernen"), BoardIconOf(BoardIcon::RemoveAll));
    makeAction(BoardCommand::Undo, "RueckgaengigItem",
               QStringLiteral("Letzte Zeichenaktion r\u00fcckg\u00e4ngig machen"),
               BoardIconOf(BoardIcon::Undo))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    makeAction(BoardCommand::Redo, "WiederherstellenItem",
               QStringLiteral("R\u00fcckg\u00e4ngig gemachte Zeichenaktion wiederherstellen"),
               QIcon())
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    makeAction(BoardCommand::Copy, "AnsichtKopierenItem",
               QStringLiteral("Ansicht in Zwischenablage kopieren"), BoardIconOf(BoardIcon::Copy));
    makeAction(BoardCommand::Save, "AnsichtSpeichernItem",
               QStringLiteral("Ansicht in Bilddatei speichern"), BoardIconOf(BoardIcon::Save));
    makeAction(BoardCommand::Print, "AnsichtDruckenItem", QStringLiteral("Ansicht drucken"),
               BoardIconOf(BoardIcon::Print));
    makeAction(BoardCommand::NewSheet, "BlattItem", QStringLiteral("Neues Blatt"),
               BoardIconOf(BoardIcon::Sheet));
    makeAction(BoardCommand::FileInChronicle, "ChronikAblegenItem",
               QStringLiteral("In Chronik ablegen"), BoardIconOf(BoardIcon::FileInChronicle));
    makeAction(BoardCommand::Chronicle, "ChronikAbrufenItem", QStringLiteral("Aus Chronik abrufen"),
               BoardIconOf(BoardIcon::Chronicle));
    makeAction(BoardCommand::OpenPicture, "BilddateiItem", QStringLiteral("Bilddatei \u00f6ffnen"),
               BoardIconOf(BoardIcon::OpenPicture));
    makeAction(BoardCommand::Paste, "BildEinfuegenItem",
               QStringLiteral("Bild aus Zwischenablage einf\u00fcgen"),
               BoardIconOf(BoardIcon::Paste));
    makeAction(BoardCommand::Leave, "VerlassenItem", QStringLiteral("Tafelanschrieb verlassen"),
               BoardIconOf(BoardIcon::Leave))
        ->setToolTip(QStringLiteral("Zeichenblatt verlassen"));
    makeAction(BoardCommand::ChroniclePdf, "ChronikPdfItem",
               QStringLiteral("Chronik als PDF speichern..."), QIcon());

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 4, 0, 0);
    column->setSpacing(3);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    const std::pair<BoardCommand, const char*> tools[] = {
        {BoardCommand::Pointer, "ZeigerBtn"},
        {BoardCommand::Hand, "HandBtn"},
        {BoardCommand::Pen, "StiftBtn"},
        {BoardCommand::Eraser, "RadiererBtn"},
        {BoardCommand::Stamp, "StempelBtn"},
        {BoardCommand::Text, "TextBtn"},
        {BoardCommand::Area, "BereichBtn"},
        {BoardCommand::Size, "GroesseBtn"},
        {BoardCommand::Colour, "FarbeBtn"},
        {BoardCommand::RemoveAll, "AlleZeichnungenBtn"},
        {BoardCommand::Undo, "RueckgaengigBtn"},
        {BoardCommand::Copy, "AnsichtKopierenBtn"},
        {BoardCommand::Save, "AnsichtSpeichernBtn"},
        {BoardCommand::Print, "AnsichtDruckenBtn"},
        {BoardCommand::FileInChronicle, "ChronikAblegenBtn"},
        {BoardCommand::Chronicle, "ChronikAbrufenBtn"},
        {BoardCommand::OpenPicture, "BilddateiBtn"},
        {BoardCommand::Paste, "BildEinfuegenBtn"},
    };
    int cell = 0;
    for (const auto& [command, name] : tools) {
        grid->addWidget(makeButton(command, name), cell / 5, cell % 5);
        ++cell;
    }
    column->addLayout(grid);
    auto* sheet = makeButton(BoardCommand::NewSheet, "BlattBtn");
    sheet->setText(QStringLiteral("Neues Blatt"));
    sheet->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* leave = makeButton(BoardCommand::Leave, "VerlassenBtn");
    leave->setText(QStringLiteral("Tafelanschrieb verlassen"));
    // The caption needs the whole width of the tool area.
    leave->setToolButtonStyle(Qt::ToolButtonTextOnly);
    column->addWidget(sheet);
    column->addWidget(leave);
    createMenus();
}

namespace {

void DrawIconsOnFirstShow(QMenu* menu, std::function<QIcon(int)> icon) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, icon = std::move(icon)] {
        const QList<QAction*> entries = menu->actions();
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (entries.at(i)->icon().isNull())
                entries.at(i)->setIcon(icon(static_cast<int>(i)));
        }
    });
}

} // namespace

QAction* WhiteboardToolBar::makeAction(BoardCommand command, const char* name, const QString& text,
                                       const QIcon& icon, bool checkable) {
    auto* action = new QAction(icon, OneLine(text), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(text);
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, command] { emit commandTriggered(command); });
    actions_.insert(command, action);
    return action;
}

QToolButton* WhiteboardToolBar::makeButton(BoardCommand command, const char* name) {
    QAction* action = actions_.value(command);
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(action->icon());
    button->setIconSize(QSize(22, 22));
    button->setToolTip(action->toolTip());
    button->setAccessibleName(action->toolTip());
    button->setAutoRaise(true);
    button->setCheckable(action->isCheckable());
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    buttons_.insert(command, button);
    return button;
}

void WhiteboardToolBar::createMenus() {
    for (int preset = 1; preset <= kPenPresets; ++preset) {
        QAction* entry = presetMenu_->addAction(QString());
        entry->setObjectName(QStringLiteral("Stift%1Item").arg(preset));
        connect(entry, &QAction::triggered, this, [this, preset] { emit presetChosen(preset); });
    }
    for (int size = 1; size <= kSizes; ++size) {
        QAction* entry = sizeMenu_->addAction(QString());
        entry->setObjectName(QStringLiteral("Groesse%1Item").arg(size));
        connect(entry, &QAction::triggered, this, [this, size] { emit sizeChosen(size); });
    }
    colourMenu_->setToolTipsVisible(true);
    for (const PenColour& colour : PenColours()) {
        QAction* entry = colourMenu_->addAction(QString());
        entry->setObjectName(QStringLiteral("Farbe%1Item").arg(colour.id));
        entry->setToolTip(colour.hint);
        const int id = colour.id;
        connect(entry, &QAction::triggered, this, [this, id] { emit colourChosen(id); });
    }
    for (int number = 1; number <= kStamps; ++number) {
        QAction* entry = stampMenu_->addAction(QStringLiteral("Stempel %1").arg(number));
        entry->setObjectName(QStringLiteral("Stempel%1Item").arg(number));
        connect(entry, &QAction::triggered, this, [this, number] { emit stampChosen(number); });
        stampEntries_.append(entry);
    }
    QAction* configure = stampMenu_->addAction(QStringLiteral("Konfig."));
    configure->setObjectName(QStringLiteral("StempelKonfigItem"));
    connect(configure, &QAction::triggered, this, &WhiteboardToolBar::stampConfigureChosen);
    // The pictures of the menus are drawn when a menu first opens, not at the start; symbol
    // glyphs even look for a font that has them.
    DrawIconsOnFirstShow(presetMenu_, [](int entry) { return PenPresetIcon(entry + 1); });
    DrawIconsOnFirstShow(sizeMenu_, [](int entry) { return SizeIcon(entry + 1); });
    DrawIconsOnFirstShow(colourMenu_, [](int entry) {
        return ColourIcon(PenColours()[static_cast<size_t>(entry)].id);
    });
    connect(stampMenu_, &QMenu::aboutToShow, this, &WhiteboardToolBar::drawStampIcons);
    sheetMenu_->setObjectName(QStringLiteral("BlattMenu"));
    const auto& sheets = SheetMenu();
    for (size_t i = 0; i < sheets.size(); ++i) {
        if (sheets[i].groupStart)
            sheetMenu_->addSeparator();
        QAction* entry = sheetMenu_->addAction(sheets[i].caption);
        entry->setObjectName(QStringLiteral("Blatt%1Item").arg(i));
        const int index = static_cast<int>(i);
        connect(entry, &QAction::triggered, this, [this, index] { emit sheetChosen(index); });
    }
}

void WhiteboardToolBar::showTool(Tool tool) {
    const std::pair<BoardCommand, bool> pressed[] = {
        {BoardCommand::Pointer, tool == Tool::Pointer},
        {BoardCommand::Hand, tool == Tool::Hand},
        {BoardCommand::Pen, IsPenTool(tool)},
        {BoardCommand::Eraser, tool == Tool::Eraser},
        {BoardCommand::Stamp, tool == Tool::Stamp},
        {BoardCommand::Text, tool == Tool::Text},
        {BoardCommand::Area, tool == Tool::Area},
    };
    for (const auto& [command, on] : pressed) {
        actions_.value(command)->setChecked(on);
        buttons_.value(command)->setChecked(on);
    }
}

void WhiteboardToolBar::showPreset(int preset, const QColor& colour) {
    const QIcon icon = PenPresetIcon(preset, colour);
    actions_.value(BoardCommand::Pen)->setIcon(icon);
    buttons_.value(BoardCommand::Pen)->setIcon(icon);
}

void WhiteboardToolBar::showSize(int size) {
    buttons_.value(BoardCommand::Size)->setIcon(SizeIcon(size));
}

void WhiteboardToolBar::showColour(int colourId) {
    buttons_.value(BoardCommand::Colour)->setIcon(ColourIcon(colourId));
}

void WhiteboardToolBar::showStamp(int number) {
    buttons_.value(BoardCommand::Stamp)
        ->setIcon(QIcon(QPixmap::fromImage(StampIcon(stamps_.stamp(number)))));
}

void WhiteboardToolBar::setStamps(const StampTable& stamps) {
    stamps_ = stamps;
    stampIconsDue_ = true;
    if (stampMenu_->isVisible())
        drawStampIcons();
}

void WhiteboardToolBar::drawStampIcons() {
    if (!stampIconsDue_)
        return;
    stampIconsDue_ = false;
    for (int number = 1; number <= stampEntries_.size(); ++number)
        stampEntries_.at(number - 1)
            ->setIcon(QIcon(QPixmap::fromImage(StampIcon(stamps_.stamp(number)))));
}

void WhiteboardToolBar::popupBelow(QMenu* menu, BoardCommand command) {
    const QToolButton* b = button(command);
    menu->popup(b->mapToGlobal(b->rect().bottomLeft()));
}

void WhiteboardToolBar::popupBeside(QMenu* menu, BoardCommand command) {
    const QToolButton* b = button(command);
    menu->popup(b->mapToGlobal(b->rect().bottomLeft() + QPoint(-50, -100)));
}

} // namespace quindor
