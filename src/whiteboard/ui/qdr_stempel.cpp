#include "whiteboard/ui/qdr_stempel.h"

#include "core/win1252.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

namespace {

QChar CharacterOf(int code) {
    return DecodeWin1252(QByteArray(1, static_cast<char>(code))).at(0);
}

int CodeOf(QChar character) {
    return static_cast<unsigned char>(EncodeWin1252(QString(character)).at(0));
}

} // namespace

TStempelForm::TStempelForm(const StampTable& stamps, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TStempelForm"));
    setWindowTitle(QStringLiteral("Stempelsymbole konfigurieren"));
    auto* group = new QGroupBox(QStringLiteral(" Zeichen f\u00fcr Stempelsymbole "));
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("Schriftart")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Zeichen")), 0, 2);
    const QStringList families = QFontDatabase::families(QFontDatabase::Any);
    for (int number = 1; number <= kStamps; ++number) {
        const size_t k = static_cast<size_t>(number - 1);
        const SymbolStamp& stamp = stamps.stamp(number);
        auto* font = new QComboBox;
        font->setObjectName(QStringLiteral("SchriftartCombo%1").arg(number));
        font->addItems(families);
        // A font this computer lacks (Wingdings) stays choosable: its symbols are drawn anyway.
        if (font->findText(stamp.fontName, Qt::MatchFixedString) < 0)
            font->insertItem(0, stamp.fontName);
        font->setCurrentIndex(font->findText(stamp.fontName, Qt::MatchFixedString));
        auto* character = new QComboBox;
        character->setObjectName(QStringLiteral("ZeichenCombo%1").arg(number));
        character->setMinimumWidth(70);
        for (int code = 1; code <= 255; ++code)
            character->addItem(QString(), code);
        character->setCurrentIndex(CodeOf(stamp.character) - 1);
        fonts_[k] = font;
        characters_[k] = character;
        showCharacters(number);
        connect(font, &QComboBox::currentTextChanged, this,
                [this, number] { showCharacters(number); });
        grid->addWidget(new QLabel(QString::number(number)), number, 0);
        grid->addWidget(font, number, 1);
        grid->addWidget(character, number, 2);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void TStempelForm::showCharacters(int number) {
    QComboBox* list = characterList(number);
    const QString fontName = fontList(number)->currentText();
    for (int code = 1; code <= 255; ++code) {
        const StampGlyph glyph = GlyphFor(CharacterOf(code), fontName);
        list->setItemText(code - 1, glyph.text);
        if (code == 1) {
            QFont font = glyph.font;
            font.setPointSize(14);
            list->setFont(font);
        }
    }
}

StampTable TStempelForm::stamps() const {
    StampTable table;
    for (int number = 1; number <= kStamps; ++number)
        table.setStamp(number, {CharacterOf(characterList(number)->currentData().toInt()),
                                fontList(number)->currentText()});
    return table;
}

} // namespace quindor
