#include "view/ui/info_box.h"

#include "core/file_replace.h"
#include "document/caption_codec.h"
#include "document/document_session.h"
#include "document/markup_layout.h"
#include "print/report.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace quindor {

InfoBox::InfoBox(Pickers& pickers, Messages& messages, ProgramPrinter& printer, QWidget* parent)
    : QDialog(parent), pickers_(pickers), messages_(messages), printer_(printer),
      scroll_(new QScrollArea), picture_(new QLabel) {
    setWindowTitle(QStringLiteral("Information"));
    setModal(false);
    setObjectName(QStringLiteral("InfoBox"));
    scroll_->setWidget(picture_);
    scroll_->setWidgetResizable(false);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setBackgroundRole(QPalette::Base);
    scroll_->viewport()->setStyleSheet(QStringLiteral("background: white;"));
    picture_->installEventFilter(this);
    picture_->setCursor(Qt::OpenHandCursor);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    buttonRow_ = new QWidget;
    auto* buttons = new QHBoxLayout(buttonRow_);
    buttons->setContentsMargins(0, 0, 0, 0);
    auto* print = new QPushButton(QStringLiteral("Drucken..."));
    auto* save = new QPushButton(QStringLiteral("Speichern..."));
    auto* copy = new QPushButton(QStringLiteral("In Zwischenablage"));
    auto* close = new QPushButton(QStringLiteral("Schlie\u00dfen"));
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addWidget(copy);
    connect(print, &QPushButton::clicked, this, &InfoBox::printCommand);
    connect(save, &QPushButton::clicked, this, &InfoBox::saveCommand);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addWidget(buttonRow_);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(plain_); });
    connect(close, &QPushButton::clicked, this, [this] {
        scroll_->verticalScrollBar()->setValue(0);
        hide();
    });
    resize(480, 300);
}

std::vector<RichParagraph> InfoBox::plainParagraphs() const {
    std::vector<RichParagraph> paragraphs;
    for (const QString& line : SplitCaptionLines(plain_))
        paragraphs.push_back({line, false, 11});
    return paragraphs;
}

bool InfoBox::saveAs(const QString& path) const {
    return ReplaceFileContent(path, WriteRtf(plainParagraphs(), 160));
}

bool InfoBox::printTo(QPrinter& printer) const {
    printer.setDocName(QStringLiteral("Infotext"));
    QTextDocument document;
    AppendToDocument(document, plainParagraphs(), 160);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

void InfoBox::saveCommand() {
    const QString path =
        pickers_.saveFile(QStringLiteral("Infotext in Datei speichern"),
                          QStringLiteral("Rich Text Dokument (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*"),
                          QStringLiteral("rtf"), QString());
    if (!path.isEmpty() && !saveAs(path))
        messages_.error(DocumentSession::WriteErrorMessage(path));
}

void InfoBox::printCommand() {
    printer_.printWithDialog(this, QStringLiteral("Infotext"),
                             [this](QPrinter& target) { return printTo(target); });
}

QString InfoBox::PlainInfoText(const QString& markedUpText) {
    static const QRegularExpression tags(QStringLiteral("</?[biu]>"),
                                         QRegularExpression::CaseInsensitiveOption);
    return QString(markedUpText).remove(tags);
}

void InfoBox::showText(const QString& markedUpText) {
    plain_ = PlainInfoText(markedUpText);
    // Worked out from the window's own measures: the child widgets of a window that has not
    // been shown yet have no geometry.
    const QMargins margins = layout()->contentsMargins();
    const int frame = 2 * scroll_->frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int viewport = width() - margins.left() - margins.right() - frame - scrollBar;
    const int textWidth = std::max(100, viewport - 30);
    const Picture text =
        RenderTextPicture(SplitCaptionLines(markedUpText), textWidth, 14, 0xFFFFFF);
    picture_->setPixmap(QPixmap::fromImage(text.Image));
    picture_->resize(text.Image.size());
    // As tall as the text with the frame and the button row, at most 566 pixels.
    const int chrome = margins.top() + margins.bottom() + frame + layout()->spacing() +
                       buttonRow_->sizeHint().height();
    resize(width(), std::min(566, text.Image.height() + chrome));
    scroll_->verticalScrollBar()->setValue(0);
    show();
    raise();
}

bool InfoBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != picture_)
        return QDialog::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            // Dragging the text moves it with the mouse.
            dragging_ = true;
            pressY_ = mouse->globalPosition().toPoint().y();
            pressScroll_ = scroll_->verticalScrollBar()->value();
            picture_->setCursor(Qt::ClosedHandCursor);
        }
        return true;
    case QEvent::MouseMove:
        if (dragging_)
            scroll_->verticalScrollBar()->setValue(pressScroll_ + pressY_ -
                                                   mouse->globalPosition().toPoint().y());
        return true;
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        picture_->setCursor(Qt::OpenHandCursor);
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace quindor
