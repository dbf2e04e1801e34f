#include "editor/ui/content_dialog.h"

#include "editor/free_objects.h"
#include "editor/text_parsers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTimer>

namespace quindor {

namespace {

// The pause after the last keystroke before the document is made anew.
constexpr int kPauseMilliseconds = 300;

QPlainTextEdit* TextBox(const QString& name, const QString& accessible) {
    auto* box = new QPlainTextEdit;
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    return box;
}

} // namespace

TDokumentInhaltForm::TDokumentInhaltForm(Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), typeBox_(new QComboBox), titleEdit_(new QLineEdit),
      authorEdit_(new QLineEdit),
      remarkEdit_(TextBox(QStringLiteral("BemerkungMemo"), QStringLiteral("Bemerkung"))),
      contentEdit_(TextBox(QStringLiteral("InhaltMemo"), QStringLiteral("Inhalt"))),
      formatLabel_(new QLabel),
      exampleView_(TextBox(QStringLiteral("BeispielMemo"), QStringLiteral("Beispiel"))),
      exampleButton_(new QPushButton(QStringLiteral("Beispiel &\u00fcbernehmen"))),
      statusLabel_(new QLabel), pictureBox_(new QWidget), picturePath_(new QLineEdit),
      pictureView_(new QLabel), pause_(new QTimer(this)),
      made_(Parsed<Document>::failure(0, QString())) {
    typeBox_->setObjectName(QStringLiteral("DokTypCombo"));
    for (const TextKindRow& row : TextKinds())
        typeBox_->addItem(TextKindName(row.kind));
    typeBox_->addItem(DocumentTypeName(DocumentType::Labelling, DocumentSubtype::Plain));
    titleEdit_->setObjectName(QStringLiteral("TitelEdit"));
    authorEdit_->setObjectName(QStringLiteral("AutorEdit"));
    remarkEdit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    remarkEdit_->setFixedHeight(remarkEdit_->fontMetrics().lineSpacing() * 3 + 12);
    remarkEdit_->setTabChangesFocus(true);
    contentEdit_->setMinimumSize(420, 280);
    contentEdit_->setToolTip(QStringLiteral("Der Inhalt im Format des Dokumenttyps; der "
                                            "Tabulator trennt Zellen und Paare."));
    formatLabel_->setObjectName(QStringLiteral("FormatLabel"));
    formatLabel_->setWordWrap(true);
    formatLabel_->setTextFormat(Qt::PlainText);
    formatLabel_->setMinimumWidth(260);
    exampleView_->setReadOnly(true);
    exampleView_->setTabChangesFocus(true);
    exampleButton_->setObjectName(QStringLiteral("BeispielBtn"));
    exampleButton_->setToolTip(QStringLiteral("Ersetzt den Inhalt durch das Beispiel "
                                              "(r\u00fcckg\u00e4ngig mit Strg+Z)."));
    statusLabel_->setObjectName(QStringLiteral("StatusLabel"));
    statusLabel_->setWordWrap(true);
    statusLabel_->setTextFormat(Qt::PlainText);

    picturePath_->setObjectName(QStringLiteral("BildPfad"));
    picturePath_->setReadOnly(true);
    picturePath_->setAccessibleName(QStringLiteral("Bilddatei"));
    auto* browse = new QPushButton(QStringLiteral("Bild &w\u00e4hlen..."));
    browse->setObjectName(QStringLiteral("BildWaehlenBtn"));
    browse->setToolTip(QStringLiteral("Das Bild w\u00e4hlen, das beschriftet wird (PNG, JPEG, "
                                      "BMP oder GIF)"));
    connect(browse, &QPushButton::clicked, this, &TDokumentInhaltForm::choosePicture);
    pictureView_->setAlignment(Qt::AlignCenter);
    pictureView_->setMinimumSize(320, 220);
    auto* pictureGrid = new QGridLayout(pictureBox_);
    pictureGrid->setContentsMargins(0, 0, 0, 0);
    auto* pictureLabel = new QLabel(QStringLiteral("Bil&d:"));
    pictureLabel->setBuddy(browse);
    pictureGrid->addWidget(pictureLabel, 0, 0);
    pictureGrid->addWidget(picturePath_, 0, 1);
    pictureGrid->addWidget(browse, 0, 2);
    pictureGrid->addWidget(pictureView_, 1, 0, 1, 3);
    pictureGrid->setRowStretch(1, 1);
    pictureBox_->hide();

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Dok&umenttyp:"), typeBox_);
    fields->addRow(QStringLiteral("&Titel:"), titleEdit_);
    fields->addRow(QStringLiteral("&Autor:"), authorEdit_);
    fields->addRow(QStringLiteral("&Bemerkung:"), remarkEdit_);

    contentLabel_ = new QLabel(QStringLiteral("&Inhalt:"));
    contentLabel_->setBuddy(contentEdit_);
    auto* formatTitle = new QLabel(QStringLiteral("<b>Format</b>"));
    exampleTitle_ = new QLabel(QStringLiteral("B&eispiel:"));
    exampleTitle_->setBuddy(exampleView_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));

    auto* grid = new QGridLayout(this);
    grid->addLayout(fields, 0, 0, 1, 2);
    grid->addWidget(contentLabel_, 1, 0);
    grid->addWidget(formatTitle, 1, 1);
    grid->addWidget(contentEdit_, 2, 0, 4, 1);
    grid->addWidget(pictureBox_, 2, 0, 4, 1);
    grid->addWidget(formatLabel_, 2, 1);
    grid->addWidget(exampleTitle_, 3, 1);
    grid->addWidget(exampleView_, 4, 1);
    grid->addWidget(exampleButton_, 5, 1, Qt::AlignLeft);
    grid->addWidget(statusLabel_, 6, 0, 1, 2);
    grid->addWidget(buttons, 7, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    resize(940, 620);

    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMilliseconds);
    connect(pause_, &QTimer::timeout, this, &TDokumentInhaltForm::refresh);
    const auto changed = [this] { pause_->start(); };
    connect(typeBox_, &QComboBox::currentIndexChanged, this, [this, changed] {
        showFormat();
        changed();
    });
    connect(titleEdit_, &QLineEdit::textChanged, this, changed);
    connect(authorEdit_, &QLineEdit::textChanged, this, changed);
    connect(remarkEdit_, &QPlainTextEdit::textChanged, this, changed);
    connect(contentEdit_, &QPlainTextEdit::textChanged, this, changed);
    // The question shown follows the cursor through the questions.
    connect(contentEdit_, &QPlainTextEdit::cursorPositionChanged, this, changed);
    connect(exampleButton_, &QPushButton::clicked, this, &TDokumentInhaltForm::takeExample);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDokumentInhaltForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TDokumentInhaltForm::reject);
    showFormat();
}

void TDokumentInhaltForm::startNew(TextKind kind) {
    setWindowTitle(QStringLiteral("Neues Dokument"));
    base_.reset();
    typeBox_->setEnabled(true);
    setKind(kind);
    contentEdit_->setFocus();
}

void TDokumentInhaltForm::startEdit(const Document& document, const ContentText& content) {
    setWindowTitle(QStringLiteral("Inhalt bearbeiten"));
    base_ = document;
    setKind(content.Kind);
    typeBox_->setEnabled(false);
    const HeaderDataTyp& h = document.Header;
    setInfo({h.Titel, h.Autor, h.Bemerkung});
    setText(content.Text);
    contentEdit_->setFocus();
}

TextKind TDokumentInhaltForm::kind() const {
    const int last = static_cast<int>(TextKinds().size()) - 1;
    return TextKinds()[static_cast<size_t>(std::clamp(typeBox_->currentIndex(), 0, last))].kind;
}

bool TDokumentInhaltForm::labelling() const {
    return typeBox_->currentIndex() == static_cast<int>(TextKinds().size());
}

void TDokumentInhaltForm::setLabelling() {
    typeBox_->setCurrentIndex(static_cast<int>(TextKinds().size()));
}

Document TDokumentInhaltForm::emptyDocument() const {
    if (!labelling())
        return NewTextDocument(kind(), info());
    Document page = NewTextDocument(kind(), info());
    page.Header.DokTyp = DocumentType::Labelling;
    page.Header.DokUnterTyp = DocumentSubtype::Plain;
    page.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::Labelling);
    return page;
}

bool TDokumentInhaltForm::setPicture(const QString& path) {
    const DocumentPicture read = ReadDocumentPicture(path, kBaseImageMaxSide);
    if (!read.ok()) {
        messages_.error(read.Error);
        return false;
    }
    if (!read.Notice.isEmpty())
        messages_.information(read.Notice);
    picture_ = read.Pic;
    picturePath_->setText(QDir::toNativeSeparators(path));
    pictureView_->setPixmap(QPixmap::fromImage(picture_.Image.scaled(
        pictureView_->minimumSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    // A new picture names the document until the teacher gives it a title.
    if (titleEdit_->text().isEmpty())
        titleEdit_->setText(QFileInfo(path).completeBaseName());
    refresh();
    return true;
}

void TDokumentInhaltForm::choosePicture() {
    const QString path = choosePictureFile ? choosePictureFile() : QString();
    if (!path.isEmpty())
        setPicture(path);
}

void TDokumentInhaltForm::setKind(TextKind kind) {
    typeBox_->setCurrentIndex(static_cast<int>(kind));
}

DocumentInfo TDokumentInhaltForm::info() const {
    return {titleEdit_->text(), authorEdit_->text(), remarkEdit_->toPlainText()};
}

void TDokumentInhaltForm::setInfo(const DocumentInfo& info) {
    titleEdit_->setText(info.Titel);
    authorEdit_->setText(info.Autor);
    remarkEdit_->setPlainText(
        QString(info.Bemerkung).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString TDokumentInhaltForm::text() const {
    return contentEdit_->toPlainText();
}

void TDokumentInhaltForm::setText(const QString& text) {
    contentEdit_->setPlainText(text);
}

void TDokumentInhaltForm::refresh() {
    pause_->stop();
    made_ = labelling() ? MakeLabelling(info(), picture_, pageFormat_)
                        : MakeFromText(base_ ? &*base_ : nullptr, kind(), info(), text());
    QPalette palette = statusLabel_->palette();
    if (made_.ok() && labelling()) {
        statusLabel_->setText(QStringLiteral("Das Dokument ist fertig: ein Bild von %1 x %2 "
                                             "Pixeln. Nach OK werden die Beschriftungen im "
                                             "Modus \"Bearbeiten\" gesetzt.")
                                  .arg(picture_.Image.width())
                                  .arg(picture_.Image.height()));
        palette.setColor(QPalette::WindowText, QColor(0, 110, 40));
    } else if (made_.ok()) {
        const Parsed<TextContent> content = ParseText(kind(), text());
        statusLabel_->setText(QStringLiteral("Das Dokument ist fertig: ") +
                              ContentSummary(*content.Value) + QLatin1Char('.'));
        palette.setColor(QPalette::WindowText, QColor(0, 110, 40));
    } else {
        statusLabel_->setText(made_.Error.message());
        palette.setColor(QPalette::WindowText, QColor(190, 0, 0));
    }
    statusLabel_->setPalette(palette);
    if (preview) {
        const int line = contentEdit_->textCursor().block().blockNumber() + 1;
        preview(made_, labelling() ? 0 : QuestionOfLine(kind(), text(), line));
    }
}

void TDokumentInhaltForm::accept() {
    refresh();
    if (!made_.ok()) {
        messages_.error(made_.Error.message());
        return;
    }
    QDialog::accept();
}

void TDokumentInhaltForm::showFormat() {
    const bool picture = labelling();
    contentEdit_->setVisible(!picture);
    contentLabel_->setVisible(!picture);
    pictureBox_->setVisible(picture);
    for (QWidget* example :
         {static_cast<QWidget*>(exampleView_), static_cast<QWidget*>(exampleButton_),
          static_cast<QWidget*>(exampleTitle_)})
        example->setVisible(!picture);
    if (picture) {
        formatLabel_->setText(QStringLiteral(
            "Ein Bild, auf dem Beschriftungen und Bilder abgefragt werden. W\u00e4hlen Sie das "
            "Bild; nach OK setzen Sie im Modus \"Bearbeiten\" die Beschriftungen: auf die "
            "Stelle klicken, auf die eine Beschriftung zeigt, und den Text eingeben."));
        return;
    }
    const TextKindRow& row = TextKindRowOf(kind());
    formatLabel_->setText(QString::fromUtf8(row.format));
    exampleView_->setPlainText(QString::fromUtf8(row.example));
}

void TDokumentInhaltForm::takeExample() {
    // Through the cursor, so that Ctrl+Z brings the replaced text back.
    QTextCursor cursor(contentEdit_->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(exampleView_->toPlainText());
    contentEdit_->setFocus();
}

} // namespace quindor
