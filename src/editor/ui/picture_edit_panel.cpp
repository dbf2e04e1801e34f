#include "editor/ui/picture_edit_panel.h"

#include "editor/free_objects.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace quindor {

namespace {

// The id of "select" among the tool buttons (the others are the stored kinds); a negative id
// would be taken for none.
constexpr int kSelectTool = 100;

QString WithLf(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString WithCrLf(const QString& text) {
    return WithLf(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QIcon Swatch(WinColor colour) {
    QPixmap pixmap(14, 14);
    pixmap.fill(ToQColor(colour));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

template <class W> W* Hinted(W* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setAccessibleName(hint);
    return widget;
}

bool IsLabelKind(ObjectKind kind) {
    return kind == ObjectKind::QueryLabel || kind == ObjectKind::FixedLabel;
}

} // namespace

PictureEditPanel::PictureEditPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BearbeitenPanel"));
    build();
    showObject(nullptr);
    showHistory(false, false);
}

void PictureEditPanel::build() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);

    auto* adding = new QGroupBox(QStringLiteral("Hinzuf\u00fcgen"));
    auto* toolGrid = new QGridLayout(adding);
    toolGrid->setSpacing(2);
    toolGrid->setContentsMargins(4, 4, 4, 4);
    tools_ = new QButtonGroup(this);
    tools_->setExclusive(true);
    const auto toolButton = [this](const QString& text, const QString& hint, int id) {
        auto* b = Hinted(new QToolButton, hint);
        b->setText(text);
        b->setCheckable(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        tools_->addButton(b, id);
        return b;
    };
    toolGrid->addWidget(toolButton(QStringLiteral("Ausw\u00e4hlen"),
                                   QStringLiteral("Karten ausw\u00e4hlen und verschieben"),
                                   kSelectTool),
                        0, 0);
    int slot = 1;
    for (const FreeKindRow& row : FreeKinds()) {
        toolGrid->addWidget(toolButton(QString::fromUtf8(row.name), QString::fromUtf8(row.hint),
                                       StoredKind(row.kind)),
                            slot / 2, slot % 2);
        ++slot;
    }
    connect(tools_, &QButtonGroup::idClicked, this, [this](int id) {
        if (addingChosen)
            addingChosen(id == kSelectTool ? std::nullopt
                                           : std::optional<ObjectKind>(KindFromStored(id)));
    });
    column->addWidget(adding);

    none_ = new QLabel(QStringLiteral("Eine Karte anklicken, um sie zu \u00e4ndern; mit der "
                                      "Maus oder den Pfeiltasten verschieben."));
    none_->setWordWrap(true);
    column->addWidget(none_);
    fields_ = new QGroupBox(QStringLiteral("Ausgew\u00e4hlte Karte"));
    auto* grid = new QGridLayout(fields_);
    grid->setSpacing(3);
    grid->setContentsMargins(4, 4, 4, 4);
    int row = 0;
    const auto labelled = [grid, &row](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row++, 1);
        return label;
    };
    kind_ = Hinted(new QComboBox, QStringLiteral("Art der Karte: abgefragt oder fest"));
    labelled(QStringLiteral("&Art:"), kind_);
    connect(kind_, &QComboBox::activated, this, [this](int index) {
        const ObjectKind kind = KindFromStored(kind_->itemData(index).toInt());
        report([kind](ObjDataTyp& o) { o = WithKind(o, kind); });
    });

    textLabel_ = new QLabel(QStringLiteral("&Text:"));
    align_ = Hinted(new QComboBox, QStringLiteral("Ausrichtung des Textes in der Karte"));
    align_->addItems({QStringLiteral("linksb\u00fcndig"), QStringLiteral("mittig"),
                      QStringLiteral("rechtsb\u00fcndig")});
    connect(align_, &QComboBox::activated, this,
            [this](int align) { report([align](ObjDataTyp& o) { o.TAusr = align; }); });
    grid->addWidget(textLabel_, row, 0);
    grid->addWidget(align_, row++, 1);
    text_ = Hinted(new QPlainTextEdit,
                   QStringLiteral("Text der Karte; Umschalt+Eingabe beginnt eine neue Zeile"));
    text_->setObjectName(QStringLiteral("KartenText"));
    text_->setFixedHeight(text_->fontMetrics().lineSpacing() * 3 + 10);
    text_->setTabChangesFocus(true);
    text_->installEventFilter(this);
    textLabel_->setBuddy(text_);
    grid->addWidget(text_, row++, 0, 1, 2);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = WithCrLf(text_->toPlainText());
        report([text](ObjDataTyp& o) { o.Cap = text; }, false);
    });
    chooseFile_ = Hinted(new QPushButton(QStringLiteral("&W\u00e4hlen...")),
                         QStringLiteral("Datei w\u00e4hlen"));
    grid->addWidget(chooseFile_, row++, 0, 1, 2);
    connect(chooseFile_, &QPushButton::clicked, this, [this] {
        const bool picture = shown_ && IsPictureCardKind(shown_->Typ);
        const std::function<void()>& ask = picture ? pictureRequested : documentRequested;
        if (ask)
            ask();
    });

    title_ = Hinted(new QLineEdit, QStringLiteral("Titel, der auf dem Punkt steht"));
    titleLabel_ = labelled(QStringLiteral("T&itel:"), title_);
    connect(title_, &QLineEdit::textEdited, this, [this](const QString& text) {
        report([text](ObjDataTyp& o) { o.PktCap = text; }, false);
    });
    password_ = Hinted(new QLineEdit, QStringLiteral("Passwort, das den Infotext sch\u00fctzt "
                                                     "(leer: kein Passwort)"));
    passwordLabel_ = labelled(QStringLiteral("&Passwort:"), password_);
    connect(password_, &QLineEdit::textEdited, this, [this](const QString& text) {
        report([text](ObjDataTyp& o) { o.BildKenn = text; }, false);
    });
    for (QLineEdit* edit : {title_, password_})
        connect(edit, &QLineEdit::editingFinished, this, [this] { report({}, true); });

    size_ = Hinted(new QSpinBox, QStringLiteral("Gr\u00f6\u00dfe der Karte in Stufen; 0 ist die "
                                                "Standardgr\u00f6\u00dfe"));
    size_->setRange(-8, 400);
    sizeLabel_ = labelled(QStringLiteral("&Gr\u00f6\u00dfe:"), size_);
    connect(size_, &QSpinBox::valueChanged, this,
            [this](int value) { report([value](ObjDataTyp& o) { o.Fsize = value; }); });

    side_ = Hinted(new QComboBox, QStringLiteral("Seite der Karte an ihrem Punkt"));
    side_->addItems({QStringLiteral("automatisch"), QStringLiteral("rechts"),
                     QStringLiteral("oben"), QStringLiteral("links"), QStringLiteral("unten")});
    sideLabel_ = labelled(QStringLiteral("&Seite:"), side_);
    connect(side_, &QComboBox::activated, this, [this](int side) {
        report([side](ObjDataTyp& o) {
            o.KAusr = side;
            o.KAusrAkt = side;
        });
    });

    styleRow_ = new QWidget;
    auto* style = new QHBoxLayout(styleRow_);
    style->setContentsMargins(0, 0, 0, 0);
    style->setSpacing(2);
    const auto styleButton = [this, style](const QString& text, const QString& hint, int bit) {
        auto* b = Hinted(new QToolButton, hint);
        b->setText(text);
        b->setCheckable(true);
        style->addWidget(b);
        connect(b, &QToolButton::toggled, this, [this, bit](bool on) {
            report([bit, on](ObjDataTyp& o) { o.Stil = on ? (o.Stil | bit) : (o.Stil & ~bit); });
        });
        return b;
    };
    bold_ = styleButton(QStringLiteral("F"), QStringLiteral("Fett"), 1);
    italic_ = styleButton(QStringLiteral("K"), QStringLiteral("Kursiv"), 2);
    underline_ = styleButton(QStringLiteral("U"), QStringLiteral("Unterstrichen"), 4);
    QFont font = bold_->font();
    font.setBold(true);
    bold_->setFont(font);
    style->addStretch(1);
    styleLabel_ = labelled(QStringLiteral("Stil:"), styleRow_);

    textColour_ = Hinted(new QPushButton(QStringLiteral("Te&xtfarbe...")),
                         QStringLiteral("Farbe des Textes w\u00e4hlen"));
    grid->addWidget(textColour_, row++, 0, 1, 2);
    connect(textColour_, &QPushButton::clicked, this,
            [this] { pickColour(&ObjDataTyp::Farbe, QStringLiteral("Textfarbe")); });

    background_ = Hinted(new QCheckBox(QStringLiteral("&Hintergrund")),
                         QStringLiteral("Die Karte hat einen deckenden Hintergrund"));
    backgroundColour_ =
        Hinted(new QPushButton, QStringLiteral("Farbe des Hintergrunds w\u00e4hlen"));
    grid->addWidget(background_, row, 0);
    grid->addWidget(backgroundColour_, row++, 1);
    connect(background_, &QCheckBox::toggled, this,
            [this](bool on) { report([on](ObjDataTyp& o) { o.HDeck = on ? 100 : 0; }); });
    connect(backgroundColour_, &QPushButton::clicked, this,
            [this] { pickColour(&ObjDataTyp::HFarbe, QStringLiteral("Hintergrundfarbe")); });

    line_ = Hinted(new QCheckBox(QStringLiteral("&Linie")),
                   QStringLiteral("Verbindungslinie von der Karte zu ihrem Punkt"));
    auto* lineRow = new QWidget;
    auto* lineLayout = new QHBoxLayout(lineRow);
    lineLayout->setContentsMargins(0, 0, 0, 0);
    lineLayout->setSpacing(2);
    lineColour_ = Hinted(new QPushButton, QStringLiteral("Farbe der Verbindungslinie w\u00e4hlen"));
    thickness_ = Hinted(new QSpinBox, QStringLiteral("Dicke der Verbindungslinie in Pixeln"));
    thickness_->setRange(1, 12);
    lineLayout->addWidget(lineColour_);
    lineLayout->addWidget(thickness_, 1);
    grid->addWidget(line_, row, 0);
    grid->addWidget(lineRow, row++, 1);
    connect(line_, &QCheckBox::toggled, this,
            [this](bool on) { report([on](ObjDataTyp& o) { o.Sline = on ? 1 : 0; }); });
    connect(lineColour_, &QPushButton::clicked, this,
            [this] { pickColour(&ObjDataTyp::LinieFarbe, QStringLiteral("Linienfarbe")); });
    connect(thickness_, &QSpinBox::valueChanged, this,
            [this](int value) { report([value](ObjDataTyp& o) { o.LinieDicke = value; }); });
    // Whatever room is left stays below the fields.
    grid->setRowStretch(row, 1);
    // The fields scroll where the tool area is short.
    auto* scroll = new QScrollArea;
    scroll->setWidget(fields_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    fieldsArea_ = scroll;
    column->addWidget(scroll, 1);
    for (QComboBox* box : {kind_, side_, align_}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
    }
    // The wheel scrolls the fields; it changes a field only once that has the focus.
    for (QWidget* field :
         {static_cast<QWidget*>(kind_), static_cast<QWidget*>(side_), static_cast<QWidget*>(align_),
          static_cast<QWidget*>(size_), static_cast<QWidget*>(thickness_)}) {
        field->setFocusPolicy(Qt::StrongFocus);
        field->installEventFilter(this);
    }

    auto* actions = new QGridLayout;
    actions->setSpacing(2);
    delete_ = Hinted(new QPushButton(QStringLiteral("L\u00f6schen")),
                     QStringLiteral("Ausgew\u00e4hlte Karte l\u00f6schen (Entf)"));
    undo_ = Hinted(new QPushButton(QStringLiteral("\u21b6")),
                   QStringLiteral("R\u00fcckg\u00e4ngig: letzten Schritt zur\u00fccknehmen "
                                  "(Strg+Z)"));
    redo_ = Hinted(new QPushButton(QStringLiteral("\u21b7")),
                   QStringLiteral("Wiederholen: zur\u00fcckgenommenen Schritt wiederholen "
                                  "(Strg+Y)"));
    auto* leave = Hinted(new QPushButton(QStringLiteral("Bearbeiten beenden")),
                         QStringLiteral("Zur\u00fcck zur Lernansicht"));
    leave->setObjectName(QStringLiteral("BearbeitenBeendenBtn"));
    actions->addWidget(delete_, 0, 0);
    actions->addWidget(undo_, 0, 1);
    actions->addWidget(redo_, 0, 2);
    actions->addWidget(leave, 1, 0, 1, 3);
    actions->setColumnStretch(0, 2);
    actions->setColumnStretch(1, 1);
    actions->setColumnStretch(2, 1);
    column->addLayout(actions);
    const auto forward = [this](QPushButton* button, std::function<void()> PictureEditPanel::*f) {
        connect(button, &QPushButton::clicked, this, [this, f] {
            if (this->*f)
                (this->*f)();
        });
    };
    forward(delete_, &PictureEditPanel::deleteRequested);
    forward(undo_, &PictureEditPanel::undoRequested);
    forward(redo_, &PictureEditPanel::redoRequested);
    forward(leave, &PictureEditPanel::leaveRequested);
}

QToolButton* PictureEditPanel::addButton(ObjectKind kind) const {
    return qobject_cast<QToolButton*>(tools_->button(StoredKind(kind)));
}

void PictureEditPanel::showAdding(std::optional<ObjectKind> kind) {
    if (QAbstractButton* b = tools_->button(kind ? StoredKind(*kind) : kSelectTool))
        b->setChecked(true);
}

void PictureEditPanel::showHistory(bool canUndo, bool canRedo) {
    undo_->setEnabled(canUndo);
    redo_->setEnabled(canRedo);
}

void PictureEditPanel::showFieldsOf(ObjectKind kind) {
    const bool label = IsLabelKind(kind);
    const bool picture = IsPictureCardKind(kind);
    const bool point = IsPointKind(kind);
    textLabel_->setText(kind == ObjectKind::InfoPoint      ? QStringLiteral("&Erkl\u00e4rung:")
                        : kind == ObjectKind::DocumentLink ? QStringLiteral("&Dokument:")
                        : kind == ObjectKind::ExternalLink ? QStringLiteral("A&dresse:")
                                                           : QStringLiteral("&Text:"));
    textLabel_->setVisible(!picture);
    text_->setVisible(!picture);
    chooseFile_->setVisible(picture || kind == ObjectKind::DocumentLink);
    chooseFile_->setText(picture ? QStringLiteral("&Bild ersetzen...")
                                 : QStringLiteral("Dokument &w\u00e4hlen..."));
    for (QWidget* w : {static_cast<QWidget*>(titleLabel_), static_cast<QWidget*>(title_)})
        w->setVisible(point);
    for (QWidget* w : {static_cast<QWidget*>(passwordLabel_), static_cast<QWidget*>(password_)})
        w->setVisible(kind == ObjectKind::InfoPoint);
    sizeLabel_->setVisible(!point);
    size_->setVisible(!point);
    sizeLabel_->setText(picture ? QStringLiteral("&Gr\u00f6\u00dfe (Bild):")
                                : QStringLiteral("&Gr\u00f6\u00dfe:"));
    for (QWidget* w : {static_cast<QWidget*>(styleRow_), static_cast<QWidget*>(styleLabel_),
                       static_cast<QWidget*>(align_)})
        w->setVisible(label);
    sideLabel_->setVisible(!point);
    side_->setVisible(!point);
    textColour_->setVisible(!picture);
    background_->setVisible(!point);
    backgroundColour_->setText(point ? QStringLiteral("&Punktfarbe...") : QString());
    for (QWidget* w : {static_cast<QWidget*>(line_), lineColour_->parentWidget()})
        w->setVisible(!point);
}

void PictureEditPanel::showObject(const ObjDataTyp* object) {
    fieldsArea_->setVisible(object != nullptr);
    none_->setVisible(object == nullptr);
    delete_->setEnabled(object != nullptr);
    if (!object) {
        shown_.reset();
        return;
    }
    shown_ = *object;
    const ObjDataTyp& o = *object;
    showFieldsOf(o.Typ);
    const QSignalBlocker blockers[] = {
        QSignalBlocker(kind_),      QSignalBlocker(text_),     QSignalBlocker(size_),
        QSignalBlocker(side_),      QSignalBlocker(bold_),     QSignalBlocker(italic_),
        QSignalBlocker(underline_), QSignalBlocker(align_),    QSignalBlocker(background_),
        QSignalBlocker(line_),      QSignalBlocker(thickness_)};
    kind_->clear();
    for (const ObjectKind kind : KindsLike(o.Typ))
        kind_->addItem(QString::fromUtf8(FreeKindRowOf(kind).name), StoredKind(kind));
    kind_->setCurrentIndex(kind_->findData(StoredKind(o.Typ)));
    // Setting the same text again would put the cursor of the teacher typing back to the start.
    if (WithCrLf(text_->toPlainText()) != o.Cap)
        text_->setPlainText(WithLf(o.Cap));
    if (title_->text() != o.PktCap)
        title_->setText(o.PktCap);
    if (password_->text() != o.BildKenn)
        password_->setText(o.BildKenn);
    size_->setValue(o.Fsize);
    side_->setCurrentIndex(std::clamp(o.KAusr, 0, 4));
    bold_->setChecked(o.Stil & 1);
    italic_->setChecked(o.Stil & 2);
    underline_->setChecked(o.Stil & 4);
    align_->setCurrentIndex(std::clamp(o.TAusr, 0, 2));
    textColour_->setIcon(Swatch(o.Farbe));
    background_->setChecked(o.HDeck > 0);
    backgroundColour_->setIcon(Swatch(o.HFarbe));
    line_->setChecked(o.Sline == 1);
    lineColour_->setIcon(Swatch(o.LinieFarbe));
    thickness_->setValue(std::max(1, o.LinieDicke));
}

void PictureEditPanel::report(const std::function<void(ObjDataTyp&)>& change, bool finished) {
    if (!shown_)
        return;
    ObjDataTyp after = *shown_;
    if (change)
        change(after);
    shown_ = after;
    if (edited)
        edited(after, finished);
}

void PictureEditPanel::pickColour(WinColor ObjDataTyp::*field, const QString& title) {
    if (!shown_ || !chooseColour)
        return;
    const std::optional<QColor> colour = chooseColour(ToQColor((*shown_).*field), title);
    if (!colour)
        return;
    const WinColor chosen = ArgbToWinColor(colour->rgb());
    report([field, chosen](ObjDataTyp& o) { o.*field = chosen; });
}

bool PictureEditPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && watched != text_ &&
        !static_cast<QWidget*>(watched)->hasFocus()) {
        QCoreApplication::sendEvent(fieldsArea_->verticalScrollBar(), event);
        return true;
    }
    if (watched == text_) {
        if (event->type() == QEvent::FocusOut) {
            report({}, true);
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Enter ends the text; with Shift it starts a new line.
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                !(key->modifiers() & Qt::ShiftModifier)) {
                report({}, true);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quindor
