#include "view/ui/properties_dialog.h"

#include "view/document_properties.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

namespace {

QLineEdit* ReadOnlyLine(const QString& text) {
    auto* field = new QLineEdit(text);
    field->setReadOnly(true);
    return field;
}

QComboBox* ReadOnlyList(const QStringList& items, int index) {
    auto* list = new QComboBox;
    list->addItems(items);
    list->setCurrentIndex(std::clamp(index, 0, static_cast<int>(items.size()) - 1));
    list->setEnabled(false);
    return list;
}

QStringList AlignmentNames() {
    return {AlignmentName(0), AlignmentName(1), AlignmentName(2)};
}

// A file name or folder of any length in a label of bounded width: shortened in the middle,
// the whole text in its hint.
QLabel* PathLabel(const QString& text) {
    constexpr int kMaxWidth = 480;
    auto* label = new QLabel;
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, kMaxWidth));
    if (label->text() != text)
        label->setToolTip(text);
    return label;
}

void AddRow(QFormLayout* form, const QString& label, QWidget* field) {
    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    form->addRow(caption, field);
}

} // namespace

TDokEigenschaftenForm::TDokEigenschaftenForm(const Document& document, int tab, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget) {
    setWindowTitle(QStringLiteral("Dokumenteigenschaften"));
    const DocumentPropertiesTexts texts = DocumentProperties(document);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Datei:"), PathLabel(texts.Datei));
    top->addRow(QStringLiteral("Ordner:"), PathLabel(texts.Ordner));
    top->addRow(QStringLiteral("Gr\u00f6\u00dfe:"), new QLabel(texts.Groesse));
    top->addRow(QStringLiteral("Ge\u00e4ndert am:"), new QLabel(texts.GeaendertAm));
    top->addRow(QStringLiteral("Hinweis:"), new QLabel(PropertiesHint()));
    layout->addLayout(top);

    auto* general = new QWidget;
    auto* form = new QFormLayout(general);
    AddRow(form, QStringLiteral("&Dokumententyp:"), ReadOnlyLine(texts.Dokumententyp));
    AddRow(form, QStringLiteral("&Titel:"), ReadOnlyLine(texts.Titel));
    AddRow(form, QStringLiteral("&Autor:"), ReadOnlyLine(texts.Autor));
    auto* remark = new QPlainTextEdit(texts.Bemerkung);
    remark->setReadOnly(true);
    remark->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    AddRow(form, QStringLiteral("&Bemerkung:"), remark);
    AddRow(form, QStringLiteral("&Nummerierung:"),
           ReadOnlyList(
               {QStringLiteral("Zahlen: 1, 2, 3, ..."), QStringLiteral("Buchstaben: A, B, C, ...")},
               texts.NumArt));
    AddRow(form, QStringLiteral("&Geordnet:"),
           ReadOnlyList({QStringLiteral("von oben nach unten"), QStringLiteral("alphabetisch")},
                        texts.GeordnetArt));
    form->addRow(QStringLiteral("Passwort f\u00fcr Bildexport:"), new QLabel(texts.Passwort));
    tabs_->addTab(general, QStringLiteral("  Allgemein  "));

    auto* sheet = new QWidget;
    auto* sheetForm = new QFormLayout(sheet);
    auto* logo = new QLabel;
    logo->setFixedSize(160, 90);
    logo->setAlignment(Qt::AlignCenter);
    logo->setFrameShape(QFrame::StyledPanel);
    const QImage& picture = document.Header.ABLogo.Image;
    if (!picture.isNull()) {
        const QImage shown =
            picture.width() > 160 || picture.height() > 90
                ? picture.scaled(160, 90, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                : picture;
        logo->setPixmap(QPixmap::fromImage(shown));
    }
    sheetForm->addRow(QStringLiteral("Logo:"), logo);
    QLineEdit* logoSize = ReadOnlyLine(texts.LogoGroesse);
    auto* sizeRow = new QWidget;
    auto* sizeLayout = new QVBoxLayout(sizeRow);
    sizeLayout->setContentsMargins(0, 0, 0, 0);
    sizeLayout->addWidget(logoSize);
    sizeLayout->addWidget(
        new QLabel(QStringLiteral("Prozent der Seitenbreite des Arbeitsblattes bei Hochformat")));
    AddRow(sheetForm, QStringLiteral("Gr\u00f6\u00dfe des Logos:"), sizeRow);
    AddRow(sheetForm, QStringLiteral("Ausrichtung des Logos:"),
           ReadOnlyList(AlignmentNames(), texts.LogoAusricht));
    AddRow(sheetForm, QStringLiteral("Fu\u00dfzeile:"), ReadOnlyLine(texts.Fusszeile));
    AddRow(sheetForm, QStringLiteral("Ausrichtung der Fu\u00dfzeile:"),
           ReadOnlyList(AlignmentNames(), texts.FusszeileAusricht));
    tabs_->addTab(sheet, QStringLiteral("  Arbeitsblatt  "));
    tabs_->setCurrentIndex(std::clamp(tab, 0, 1));
    layout->addWidget(tabs_);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    ok->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(480, 0)));
}

} // namespace quindor
