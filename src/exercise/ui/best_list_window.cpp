#include "exercise/ui/best_list_window.h"

#include "core/file_replace.h"
#include "core/program_folders.h"
#include "print/ui/table_and_view_printing.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

BestListWindow::BestListWindow(const QString& caption, const std::vector<BestListDataTyp>& ranked,
                               Pickers& pickers, Messages& messages, ProgramPrinter& printer,
                               QWidget* parent)
    : QDialog(parent), grid_(new QTableWidget(this)), text_(BestListTable(ranked)),
      pickers_(pickers), messages_(messages), printer_(printer) {
    setObjectName(QStringLiteral("TBestListForm"));
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    const QStringList headers = {QStringLiteral("Pos."),           QStringLiteral("Name"),
                                 QStringLiteral("Rechner"),        QStringLiteral("Leistung"),
                                 QStringLiteral("Zeit (Min:Sek)"), QStringLiteral("Datum/Uhrzeit")};
    const int widths[] = {40, 200, 100, 80, 80, 140};
    grid_->setColumnCount(6);
    grid_->setHorizontalHeaderLabels(headers);
    // At least one, empty, data row.
    grid_->setRowCount(std::max<int>(1, static_cast<int>(ranked.size())));
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(19);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < 6; ++c) {
        grid_->horizontalHeaderItem(c)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // A column is never narrower than its heading ("Zeit (Min:Sek)").
        grid_->setColumnWidth(c,
                              std::max(widths[c], grid_->horizontalHeader()->sectionSizeHint(c)));
    }
    for (size_t r = 0; r < ranked.size(); ++r) {
        const BestListDataTyp& e = ranked[r];
        const QString cells[] = {QString::number(r + 1),
                                 e.Name,
                                 e.Rechner,
                                 BestListPerformanceText(e.Leistung),
                                 BestListTimeText(e.Dauer),
                                 BestListDateText(e.Beginn)};
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            const bool centred = c == 0 || c == 3 || c == 4;
            item->setTextAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
            grid_->setItem(static_cast<int>(r), c, item);
        }
    }
    grid_->setMinimumWidth(660);
    layout->addWidget(grid_, 1);
    layout->addWidget(
        new QLabel(QStringLiteral("Teil-Wiederholungen werden nicht berücksichtigt."), this));
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    button(QStringLiteral("Speichern..."), [this] { save(); });
    button(QStringLiteral("In Zwischenablage"), [this] { copy(); });
    button(QStringLiteral("Drucken..."),
           [this] { PrintTableWithDialog(this, printer_, printTable(), windowTitle()); });
    button(QStringLiteral("Vorschau..."),
           [this] { PreviewTable(this, printer_, printTable(), windowTitle()); });
    buttons->addStretch();
    button(QStringLiteral("Schließen"), [this] { accept(); })->setDefault(true);
    layout->addLayout(buttons);
    resize(700, 420);
}

void BestListWindow::save() {
    const QString path = pickers_.saveFile(QStringLiteral("Bestenliste in Datei speichern"),
                                           QStringLiteral("Textdatei (*.txt)|*.txt|Alle Dateien "
                                                          "(*.*)|*.*"),
                                           QStringLiteral("txt"), QString());
    if (path.isEmpty())
        return;
    // UTF-8 with its mark: word processors and editors on every system read the umlauts.
    if (!ReplaceFileContent(path, "\xEF\xBB\xBF" + text_.toUtf8()))
        messages_.error(QStringLiteral("Die Datei \"") + path +
                        QStringLiteral("\" kann nicht geschrieben werden. Mögliche Ursachen:\r\n"
                                       "- Ungültiger Ordner oder Dateiname\r\n"
                                       "- Fehlende Schreibzugriffsberechtigung im Netzwerk"));
}

PrintTableData BestListWindow::printTable() const {
    PrintTableData table;
    for (int c = 0; c < grid_->columnCount(); ++c) {
        table.screenWidths.push_back(grid_->columnWidth(c));
        table.alignments.push_back(c == 0 || c == 3 || c == 4 ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    QStringList header;
    for (int c = 0; c < grid_->columnCount(); ++c)
        header.append(grid_->horizontalHeaderItem(c)->text());
    table.rows.push_back(header);
    for (int r = 0; r < grid_->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < grid_->columnCount(); ++c)
            row.append(grid_->item(r, c) ? grid_->item(r, c)->text() : QString());
        table.rows.push_back(row);
    }
    return table;
}

void BestListWindow::copy() {
    QGuiApplication::clipboard()->setText(text_);
}

FolderDialog::FolderDialog(ProgramState& state, Pickers& pickers, Messages& messages,
                           QWidget* parent)
    : QDialog(parent), state_(state), messages_(messages) {
    setObjectName(QStringLiteral("TBestListVerzForm"));
    setWindowTitle(QStringLiteral("Dateiordner"));
    auto* layout = new QVBoxLayout(this);
    const struct {
        const char* group;
        const char* name;
        const char* browseTitle;
        QString ProgramState::*folder;
    } rows[] = {
        {" Ordner für Bestenlisten ", "BestListVerzEdit1", "Ordner für Bestenlisten festlegen",
         &ProgramState::BestListFolder},
        {" Ordner für Protokolle ", "ProtVerzEdit1", "Ordner für Protokolle festlegen",
         &ProgramState::ProtocolFolder},
        {" Ordner für Chronik-Screenshots ", "ChronikVerzEdit1",
         "Ordner für Chronik-Screenshots festlegen", &ProgramState::ChronicleFolder},
    };
    for (size_t i = 0; i < 3; ++i) {
        auto* group = new QGroupBox(QString::fromUtf8(rows[i].group), this);
        auto* row = new QHBoxLayout(group);
        auto* field = new QLineEdit(QDir::toNativeSeparators(state.*(rows[i].folder)), group);
        field->setObjectName(QString::fromLatin1(rows[i].name));
        field->setMinimumWidth(360);
        auto* browse = new QPushButton(QStringLiteral("Durchsuchen..."), group);
        const QString title = QString::fromUtf8(rows[i].browseTitle);
        connect(browse, &QPushButton::clicked, this, [field, title, &pickers] {
            const QString chosen = pickers.chooseFolder(title, field->text());
            if (!chosen.isEmpty())
                field->setText(QDir::toNativeSeparators(chosen));
        });
        row->addWidget(field, 1);
        row->addWidget(browse);
        layout->addWidget(group);
        fields_[i] = field;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(ok, &QPushButton::clicked, this, &FolderDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void FolderDialog::accept() {
    // Checked in the order chronicle, protocols, best lists; nothing is stored on an error.
    const struct {
        size_t field;
        const char* error;
    } checks[] = {
        {2, "Der angegebene Ordner für die Chronik-Screenshots ist ungültig."},
        {1, "Der angegebene Ordner für die Protokolle ist ungültig."},
        {0, "Der angegebene Ordner für die Bestenlisten ist ungültig."},
    };
    std::array<QString, 3> folders;
    for (const auto& check : checks) {
        QLineEdit* field = fields_[check.field];
        QString text = field->text().trimmed();
        if (!text.isEmpty() && !text.endsWith(QDir::separator()) && !text.endsWith(u'/'))
            text += QDir::separator();
        field->setText(text);
        // The folders of a fresh installation do not exist before their first use.
        CreateDefaultFolder(state_, text);
        if (!QFileInfo(QDir::fromNativeSeparators(text)).isDir()) {
            messages_.error(QString::fromUtf8(check.error));
            field->setFocus();
            return;
        }
        folders[check.field] = QDir::fromNativeSeparators(text);
    }
    state_.BestListFolder = folders[0];
    state_.ProtocolFolder = folders[1];
    state_.ChronicleFolder = folders[2];
    QDialog::accept();
}

} // namespace quindor
