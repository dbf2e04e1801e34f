#include "links/ui/link_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

LinkDialog::LinkDialog(const ProgramLinks& links, Pickers& pickers, Messages& messages,
                       QWidget* parent)
    : QDialog(parent), pickers_(pickers), messages_(messages) {
    setObjectName(QStringLiteral("VerknuepfungenForm"));
    setWindowTitle(QStringLiteral("Frei belegbare Verknüpfungsfelder für externe Programme"));
    auto* column = new QVBoxLayout(this);
    auto* explanation = new QLabel(
        QStringLiteral("Jedes Verknüpfungsfeld kann eine beliebige Programmdatei oder eine "
                       "Programmverknüpfung (.desktop) enthalten. Das Programm wird dann mit einem "
                       "Klick auf den zugehörigen Knopf in der Werkzeugleiste unter \"Externe "
                       "Programme\" gestartet; ein Klick mit der rechten Maustaste öffnet diesen "
                       "Dialog.\nSie können diesen Dialog auch über das Menü \"Optionen\" "
                       "aufrufen."),
        this);
    explanation->setWordWrap(true);
    column->addWidget(explanation);
    for (int i = 0; i < kProgramLinkCount; ++i) {
        const bool keyboard = i == kKeyboardLink;
        const ProgramLink& link = links[static_cast<size_t>(i)];
        auto* group = new QGroupBox(QStringLiteral("Verknüpfungsfeld ") + ProgramLinkName(i), this);
        group->setObjectName(QStringLiteral("VerknuepfungGroup%1").arg(i + 1));
        auto* form = new QFormLayout(group);
        Row& row = rows_[static_cast<size_t>(i)];
        row.target = new QLineEdit(link.target, group);
        row.target->setObjectName(QStringLiteral("ProgrammEdit%1").arg(i + 1));
        row.target->setAccessibleName(QStringLiteral("Programm ") + ProgramLinkName(i));
        auto* browse = new QPushButton(QStringLiteral("Durchsuchen..."), group);
        browse->setObjectName(QStringLiteral("DurchsuchenBtn%1").arg(i + 1));
        connect(browse, &QPushButton::clicked, this, [this, i] { this->browse(i); });
        auto* targetRow = new QHBoxLayout;
        targetRow->addWidget(row.target, 1);
        targetRow->addWidget(browse);
        form->addRow(QStringLiteral("Programm:"), targetRow);
        if (!keyboard) {
            row.caption = new QLineEdit(link.caption, group);
            row.caption->setObjectName(QStringLiteral("BeschriftungEdit%1").arg(i + 1));
            form->addRow(QStringLiteral("Beschriftung:"), row.caption);
        }
        row.hint = new QLineEdit(link.hint, group);
        row.hint->setObjectName(QStringLiteral("HinweisEdit%1").arg(i + 1));
        auto* clear = new QPushButton(QStringLiteral("Löschen"), group);
        clear->setObjectName(QStringLiteral("LoeschenBtn%1").arg(i + 1));
        clear->setAccessibleName(QStringLiteral("Verknüpfungsfeld ") + ProgramLinkName(i) +
                                 QStringLiteral(" löschen"));
        connect(clear, &QPushButton::clicked, this, [this, i] { this->clear(i); });
        auto* hintRow = new QHBoxLayout;
        hintRow->addWidget(row.hint, 1);
        hintRow->addWidget(clear);
        form->addRow(QStringLiteral("Hinweis:"), hintRow);
        column->addWidget(group);
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &LinkDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    setMinimumWidth(560);
}

ProgramLinks LinkDialog::links() const {
    ProgramLinks links;
    for (size_t i = 0; i < links.size(); ++i) {
        const Row& row = rows_[i];
        links[i] = {row.target->text().trimmed(), row.caption ? row.caption->text() : QString(),
                    row.hint->text()};
    }
    return links;
}

void LinkDialog::browse(int index) {
    QLineEdit* target = targetEdit(index);
    // Programs on this system have no extension of their own; shortcuts are desktop entries.
    const QString chosen = pickers_.openFile(
        ProgramLinkBrowseTitle(index),
        QStringLiteral("Alle Dateien (*)|*|Verknüpfungen (*.desktop)|*.desktop"), QString(),
        target->text().trimmed().isEmpty() ? QStringLiteral("/usr/share/applications/")
                                           : target->text().trimmed());
    if (!chosen.isEmpty())
        target->setText(chosen);
}

void LinkDialog::clear(int index) {
    const ProgramLink cleared = ClearedProgramLink(index);
    Row& row = rows_[static_cast<size_t>(index)];
    row.target->setText(cleared.target);
    if (row.caption)
        row.caption->setText(cleared.caption);
    row.hint->setText(cleared.hint);
}

void LinkDialog::accept() {
    const int invalid = FirstInvalidProgramLink(links());
    if (invalid >= 0) {
        messages_.error(InvalidProgramLinkMessage(invalid));
        targetEdit(invalid)->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace quindor
