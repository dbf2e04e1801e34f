#include "editor/ui/picture_editor.h"

#include "editor/free_objects.h"
#include "editor/ui/picture_edit_panel.h"
#include "view/ui/page_area.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

namespace quindor {

namespace {

const QColor kSelection(30, 90, 220);

QString PictureFilters() {
    return QStringLiteral("Bilder (*.png *.jpg *.jpeg *.bmp *.gif)|*.png;*.jpg;*.jpeg;*.bmp;*.gif|"
                          "Alle Dateien (*.*)|*.*");
}

QString PlacingHint(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::InfoPoint:
        return QStringLiteral("Erkl\u00e4rungstext des Infopunkts");
    case ObjectKind::ExternalLink:
        return QStringLiteral("Datei oder Webadresse, z. B. https://...");
    default:
        return QStringLiteral("Text der Beschriftung");
    }
}

} // namespace

// Drawn over the page: the frame of the selected card, the handle of its spot with the way to
// it, and the line of a new object being drawn from its spot to its card.
class EditOverlay : public QWidget {
public:
    EditOverlay(PictureEditing& editing, PageArea* area)
        : QWidget(area), editing_(editing), area_(area) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    void setPointer(QPoint display) {
        pointer_ = display;
        update();
    }
    // The spot and card point of a new object whose text is being typed.
    void setPending(std::optional<std::pair<QPoint, QPoint>> pending) {
        pending_ = pending;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPoint origin = area_->pageRect().topLeft();
        const std::optional<std::pair<QPoint, QPoint>> line =
            editing_.grip() == EditGrip::Placing
                ? std::optional<std::pair<QPoint, QPoint>>({editing_.pressPoint(), pointer_})
                : pending_;
        if (line) {
            painter.setPen(QPen(kSelection, 2, Qt::DashLine));
            painter.drawLine(line->first + origin, line->second + origin);
            painter.setBrush(Qt::white);
            painter.drawEllipse(line->first + origin, 4, 4);
            return;
        }
        const int index = editing_.selected();
        if (index < 0)
            return;
        const QRect card = editing_.cardOnDisplay(index).translated(origin);
        if (editing_.hasAnchorHandle(index)) {
            const QPoint anchor = editing_.anchorOnDisplay(index) + origin;
            painter.setPen(QPen(kSelection, 1, Qt::DotLine));
            painter.drawLine(anchor, card.center());
            painter.setPen(QPen(kSelection, 2));
            painter.setBrush(Qt::white);
            painter.drawEllipse(anchor, 5, 5);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kSelection, 2, Qt::DashLine));
        painter.drawRect(card.adjusted(-3, -3, 3, 3));
    }

private:
    PictureEditing& editing_;
    PageArea* area_;
    QPoint pointer_;
    std::optional<std::pair<QPoint, QPoint>> pending_;
};

PictureEditor::PictureEditor(Document& document, ViewComposer& view, ProgramState& state,
                             Messages& messages, Pickers& pickers, PageArea* area,
                             QWidget* panelParent)
    : document_(document), view_(view), state_(state), messages_(messages), pickers_(pickers),
      area_(area), editing_(document, view, state), panel_(new PictureEditPanel(panelParent)),
      overlay_(new EditOverlay(editing_, area)) {
    overlay_->hide();
    editing_.redrawn = [this](const QRect& display) {
        area_->updateDisplayRect(display);
        overlay_->update();
        if (edited)
            edited();
    };
    editing_.selectionChanged = [this] {
        refreshPanel();
        overlay_->update();
    };
    panel_->addingChosen = [this](std::optional<ObjectKind> kind) {
        finishPlacing(true);
        editing_.setAdding(kind);
        area_->setFocus();
    };
    panel_->edited = [this](const ObjDataTyp& after, bool finished) {
        if (finished)
            editing_.change(after);
        else
            editing_.preview(after);
        refreshPanel();
    };
    panel_->deleteRequested = [this] { editing_.removeSelected(); };
    panel_->undoRequested = [this] { undo(); };
    panel_->redoRequested = [this] { redo(); };
    panel_->leaveRequested = [this] {
        if (leaveRequested)
            leaveRequested();
    };
    panel_->pictureRequested = [this] { replacePicture(); };
    panel_->documentRequested = [this] {
        const QString target = chooseDocument();
        if (const ObjDataTyp* o = editing_.selectedObject(); o && !target.isEmpty()) {
            ObjDataTyp after = *o;
            after.Cap = target;
            editing_.change(after);
        }
    };
}

PictureEditor::~PictureEditor() {
    if (!panel_->parent())
        delete panel_;
}

void PictureEditor::start() {
    if (active_)
        return;
    active_ = true;
    editing_.history().clear();
    editing_.setAdding(std::nullopt);
    area_->installEventFilter(this);
    areaFocus_ = area_->focusPolicy();
    area_->setFocusPolicy(Qt::StrongFocus);
    overlay_->setGeometry(area_->rect());
    overlay_->show();
    overlay_->raise();
    panel_->showAdding(std::nullopt);
    refreshPanel();
    area_->setFocus();
}

void PictureEditor::stop() {
    if (!active_)
        return;
    finishPlacing(false);
    editing_.history().commit();
    editing_.select(-1);
    active_ = false;
    area_->removeEventFilter(this);
    area_->setFocusPolicy(areaFocus_);
    area_->unsetCursor();
    overlay_->hide();
}

void PictureEditor::refreshPanel() {
    panel_->showObject(editing_.selectedObject());
    panel_->showAdding(editing_.adding());
    panel_->showHistory(editing_.history().canUndo(), editing_.history().canRedo());
}

void PictureEditor::undo() {
    finishPlacing(true);
    editing_.undo();
    refreshPanel();
}

void PictureEditor::redo() {
    finishPlacing(true);
    editing_.redo();
    refreshPanel();
}

QPlainTextEdit* PictureEditor::placingField() const {
    return placing_ ? placingField_ : nullptr;
}

bool PictureEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == placingField_)
        return placingFieldEvent(event);
    if (watched == area_)
        return pageEvent(event);
    return QObject::eventFilter(watched, event);
}

void PictureEditor::hover(QPoint display) {
    if (editing_.adding()) {
        area_->setCursor(Qt::CrossCursor);
        return;
    }
    area_->setCursor(editing_.onAnchorHandle(display)  ? Qt::CrossCursor
                     : editing_.objectAt(display) >= 0 ? Qt::SizeAllCursor
                                                       : Qt::ArrowCursor);
}

bool PictureEditor::pageEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Resize:
        overlay_->setGeometry(area_->rect());
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // The right button moves the view, as in the learning view.
        if (mouse->button() != Qt::LeftButton)
            return false;
        finishPlacing(true);
        area_->setFocus();
        const QPoint point = area_->toDisplay(mouse->position().toPoint());
        const EditGrip grip = editing_.press(point);
        overlay_->setPointer(point);
        if (event->type() == QEvent::MouseButtonDblClick && grip == EditGrip::Card &&
            panel_->textEdit()->isVisible()) {
            panel_->textEdit()->setFocus();
            panel_->textEdit()->selectAll();
        }
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint point = area_->toDisplay(mouse->position().toPoint());
        if (!(mouse->buttons() & Qt::LeftButton)) {
            hover(point);
            return false;
        }
        editing_.drag(point);
        overlay_->setPointer(point);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const std::optional<Placement> placement =
            editing_.release(area_->toDisplay(mouse->position().toPoint()));
        overlay_->update();
        refreshPanel();
        if (placement)
            place(*placement);
        return true;
    }
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool arrow = key->key() >= Qt::Key_Left && key->key() <= Qt::Key_Down;
        if (event->type() == QEvent::ShortcutOverride) {
            // The arrows with Ctrl move the spot here; elsewhere they cover and uncover.
            if (arrow && editing_.selected() >= 0)
                event->accept();
            return false;
        }
        const EditKey outcome = editing_.key(key->key(), key->modifiers());
        if (outcome.place)
            place(*outcome.place);
        if (outcome.editText && panel_->textEdit()->isVisible()) {
            panel_->textEdit()->setFocus();
            panel_->textEdit()->selectAll();
        }
        refreshPanel();
        overlay_->update();
        return outcome.handled;
    }
    default:
        return false;
    }
}

void PictureEditor::place(const Placement& placement) {
    finishPlacing(true);
    switch (placement.kind) {
    case ObjectKind::QueryPicture:
    case ObjectKind::FixedPicture:
        addPicture(placement);
        return;
    case ObjectKind::DocumentLink: {
        const QString target = chooseDocument();
        if (!target.isEmpty())
            editing_.add(NewFreeObject(placement.kind, placement.spot, placement.cardPoint, target,
                                       document_.Header));
        refreshPanel();
        return;
    }
    default:
        break;
    }
    // The text is typed where the card goes.
    if (!placingField_) {
        placingField_ = new QPlainTextEdit(area_);
        placingField_->setObjectName(QStringLiteral("NeuerText"));
        placingField_->setAccessibleName(QStringLiteral("Text der neuen Karte"));
        placingField_->setToolTip(
            QStringLiteral("Eingabetaste \u00fcbernimmt den Text, Umschalt+Eingabe beginnt eine "
                           "neue Zeile, Esc bricht ab"));
        placingField_->setFixedSize(240, placingField_->fontMetrics().lineSpacing() * 3 + 12);
        placingField_->installEventFilter(this);
    }
    placing_ = placement;
    const ViewGeometry& geometry = view_.geometry();
    overlay_->setPending(
        std::make_pair(geometry.PageToDisplay(placement.spot.x(), placement.spot.y()),
                       geometry.PageToDisplay(placement.cardPoint.x(), placement.cardPoint.y())));
    placingField_->clear();
    placingField_->setPlaceholderText(PlacingHint(placement.kind));
    const QPoint at = area_->pageRect().topLeft() +
                      geometry.PageToDisplay(placement.cardPoint.x(), placement.cardPoint.y());
    // Beside the card point, towards the side the card goes, inside the area.
    const QRect field(
        at - QPoint(placement.cardPoint.x() < placement.spot.x() ? placingField_->width() : 0,
                    placingField_->height() / 2),
        placingField_->size());
    placingField_->move(field.left() < 0 ? 0
                                         : std::min(field.left(), area_->width() - field.width()),
                        std::clamp(field.top(), 0, std::max(0, area_->height() - field.height())));
    placingField_->show();
    placingField_->raise();
    placingField_->setFocus();
}

bool PictureEditor::placingFieldEvent(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            finishPlacing(false);
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & Qt::ShiftModifier)) {
            finishPlacing(true);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        finishPlacing(true);
    }
    return false;
}

void PictureEditor::finishPlacing(bool keep) {
    if (!placing_)
        return;
    const Placement placement = *placing_;
    placing_.reset();
    const QString text = placingField_->toPlainText().trimmed();
    overlay_->setPending(std::nullopt);
    placingField_->hide();
    area_->setFocus();
    // An empty label is no label.
    if (keep && !text.isEmpty())
        editing_.add(NewFreeObject(placement.kind, placement.spot, placement.cardPoint, text,
                                   document_.Header));
    refreshPanel();
}

std::optional<PictureEditor::ChosenPicture> PictureEditor::choosePicture() {
    const QString path = pickers_.openFile(QStringLiteral("Bild w\u00e4hlen"), PictureFilters(),
                                           QStringLiteral("png"), state_.CurrentFolder);
    if (path.isEmpty())
        return std::nullopt;
    const DocumentPicture picture = ReadDocumentPicture(path, kCardPictureMaxSide);
    if (!picture.ok()) {
        messages_.error(picture.Error);
        return std::nullopt;
    }
    if (!picture.Notice.isEmpty())
        messages_.information(picture.Notice);
    // Pictures of the same name count as the same picture in a run.
    return ChosenPicture{picture.Pic, QFileInfo(path).completeBaseName()};
}

void PictureEditor::addPicture(const Placement& placement) {
    const std::optional<ChosenPicture> chosen = choosePicture();
    if (!chosen)
        return;
    ObjDataTyp o = NewFreeObject(placement.kind, placement.spot, placement.cardPoint, QString(),
                                 document_.Header, chosen->picture);
    o.BildKenn = chosen->name;
    editing_.add(o);
    refreshPanel();
}

void PictureEditor::replacePicture() {
    if (!editing_.selectedObject())
        return;
    const std::optional<ChosenPicture> chosen = choosePicture();
    if (!chosen || !editing_.selectedObject())
        return;
    ObjDataTyp after = *editing_.selectedObject();
    after.Picture = chosen->picture;
    after.BildKenn = chosen->name;
    editing_.change(after);
    refreshPanel();
}

QString PictureEditor::chooseDocument() {
    const QString& own = document_.Header.FileName;
    const QString folder = own.isEmpty() ? state_.CurrentFolder : QFileInfo(own).absolutePath();
    const QString path =
        pickers_.openFile(QStringLiteral("Dokument w\u00e4hlen"),
                          QStringLiteral("Quindor-Dokument (*.qdr)|*.qdr|Alle Dateien (*.*)|*.*"),
                          QStringLiteral("qdr"), folder);
    if (path.isEmpty())
        return QString();
    // A document of the same folder is named without it, so the link survives moving both.
    const QString relative = QDir(folder).relativeFilePath(path);
    return relative.startsWith(QStringLiteral("..")) ? QDir::toNativeSeparators(path)
                                                     : QDir::toNativeSeparators(relative);
}

} // namespace quindor
