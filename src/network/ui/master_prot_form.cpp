#include "network/ui/master_prot_form.h"

#include "core/file_replace.h"
#include "document/document_session.h"
#include "print/report.h"
#include "print/ui/table_and_view_printing.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPrinter>
#include <QVBoxLayout>

namespace quindor {

namespace {

constexpr int kTabStopPoints = 160;

QToolButton* PageButton(const QString& name, const QString& text, const QString& hint,
                        QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumSize(110, 34);
    return button;
}

} // namespace

TMasterProtForm::TMasterProtForm(NetworkSession& network, const ReportPorts& ports,
                                 std::function<void()> showBestList, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      network_(network), ports_(ports), showBestList_(std::move(showBestList)) {
    setObjectName(QStringLiteral("MasterProtForm"));
    setWindowTitle(caption(false));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    TeilnehmerBtn =
        PageButton(QStringLiteral("TeilnehmerBtn"), QStringLiteral("Teilnehmer- Protokoll"),
                   QStringLiteral("Echtzeit-Teilnehmerprotokoll anzeigen"), this);
    UebDokuBtn = PageButton(QStringLiteral("UebDokuBtn"), QStringLiteral("Übungs- Information"),
                            QStringLiteral("Informationen zur Netzwerk-Übung anzeigen"), this);
    auto* pageGroup = new QButtonGroup(this);
    pageGroup->addButton(TeilnehmerBtn, 0);
    pageGroup->addButton(UebDokuBtn, 1);
    connect(pageGroup, &QButtonGroup::idClicked, this, &TMasterProtForm::showPage);
    top->addWidget(TeilnehmerBtn);
    top->addWidget(UebDokuBtn);
    top->addStretch();
    TeilnahmeErlaubt =
        new QCheckBox(QStringLiteral("Anmeldung weiterer Teilnehmer zulassen"), this);
    TeilnahmeErlaubt->setObjectName(QStringLiteral("TeilnahmeErlaubt"));
    TeilnahmeErlaubt->setChecked(true);
    connect(TeilnahmeErlaubt, &QCheckBox::toggled, this,
            [this](bool checked) { network_.setRegistration(checked); });
    top->addWidget(TeilnahmeErlaubt);
    layout->addLayout(top);
    // A line of its own across the window, so that its wrapped lines get the height they need.
    auto* hint = new QLabel(
        QStringLiteral("An den Teilnehmer-PCs muss \"Übung / An Netzwerk-Übung teilnehmen\" "
                       "aufgerufen werden, solange Sie weitere Teilnehmer zulassen."),
        this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    pages_ = new QStackedWidget(this);
    auto* participants = new QWidget(pages_);
    auto* participantLayout = new QVBoxLayout(participants);
    participantLayout->setContentsMargins(9, 8, 9, 9);
    participantLayout->setSpacing(2);
    grid_ = new ControlGridView(network.grid(), participants);
    overview_ = new ClassOverview(network.grid(), *grid_, participants);
    participantLayout->addWidget(grid_, 1);
    participantLayout->addWidget(overview_);
    pages_->addWidget(participants);
    auto* informationPage = new QWidget(pages_);
    auto* informationLayout = new QVBoxLayout(informationPage);
    informationLayout->setContentsMargins(15, 11, 12, 12);
    RichEdit1 = new QTextEdit(informationPage);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    informationLayout->addWidget(RichEdit1);
    pages_->addWidget(informationPage);
    layout->addWidget(pages_, 1);

    auto* bottom = new QHBoxLayout;
    const auto button = [this, bottom](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        bottom->addWidget(b);
        return b;
    };
    connect(button("KommBtn", QStringLiteral("Kommentar hinzufügen...")), &QPushButton::clicked,
            this, &TMasterProtForm::commentCommand);
    connect(button("DruckBtn", QStringLiteral("Drucken...")), &QPushButton::clicked, this,
            &TMasterProtForm::printCommand);
    connect(button("SaveBtn", QStringLiteral("Speichern...")), &QPushButton::clicked, this,
            &TMasterProtForm::saveCommand);
    connect(button("InClipBtn", QStringLiteral("In Zw.abl. kopieren")), &QPushButton::clicked, this,
            &TMasterProtForm::copyCommand);
    connect(button("BestenlisteBtn", QStringLiteral("Bestenliste...")), &QPushButton::clicked, this,
            [this] {
                if (showBestList_)
                    showBestList_();
            });
    bottom->addStretch();
    NetzUebBeendenBtn =
        button("NetzUebBeendenBtn", QStringLiteral("Netz-Übung beenden und schließen"));
    NetzUebBeendenBtn->setDefault(true);
    connect(NetzUebBeendenBtn, &QPushButton::clicked, this, &TMasterProtForm::endCommand);
    layout->addLayout(bottom);
    showPage(0);
    connect(&network_, &NetworkSession::stateChanged, this, &TMasterProtForm::refreshCaption);
    resize(980, 560);
}

QString TMasterProtForm::caption(bool active) {
    return QStringLiteral("Netzwerk-Übung - Kontrollanzeige") +
           (active ? QStringLiteral(" - Status: aktiv") : QStringLiteral(" - Status: beendet"));
}

void TMasterProtForm::refreshCaption() {
    setWindowTitle(caption(network_.initiating()));
    // The box shows what the folder holds; after the end it keeps the teacher's last choice.
    if (network_.initiating()) {
        const QSignalBlocker blocker(TeilnahmeErlaubt);
        TeilnahmeErlaubt->setChecked(network_.registrationOpen());
    }
}

void TMasterProtForm::showPage(int page) {
    pages_->setCurrentIndex(page);
    (page == 0 ? TeilnehmerBtn : UebDokuBtn)->setChecked(true);
}

void TMasterProtForm::showDisplay() {
    refreshCaption();
    showPage(0);
    show();
    raise();
    activateWindow();
    grid_->setFocus();
}

void TMasterProtForm::setInformation(const QString& text, bool replace) {
    if (replace) {
        RichEdit1->clear();
        paragraphs_.clear();
    }
    const std::vector<RichParagraph> paragraphs = ProtocolParagraphs(text);
    AppendToDocument(*RichEdit1->document(), paragraphs, kTabStopPoints);
    paragraphs_.insert(paragraphs_.end(), paragraphs.begin(), paragraphs.end());
}

void TMasterProtForm::addComment(const QString& text) {
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty())
        setInformation(QStringLiteral("\r\n<tit>Kommentar\r\n") + trimmed, false);
}

void TMasterProtForm::commentCommand() {
    if (const auto comment =
            AskReportComment(this, QStringLiteral("Kommentar zur Übungsinformation hinzufügen")))
        addComment(*comment);
}

PrintTableData TMasterProtForm::printTable() const {
    const ControlGrid& grid = network_.grid();
    PrintTableData table;
    for (int c = 0; c < grid.columnCount(); ++c) {
        // The widths as the teacher last dragged them.
        table.screenWidths.push_back(c == 0 ? grid_->verticalHeader()->width()
                                            : grid_->horizontalHeader()->sectionSize(c - 1));
        table.alignments.push_back(ControlGrid::centred(c) ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    table.rows = grid.rows();
    if (grid.queryCount() > 0) {
        table.rows.push_back(QStringList());
        for (const QStringList& row : grid.overviewRows())
            table.rows.push_back(row);
    }
    return table;
}

void TMasterProtForm::printCommand() {
    if (participantPage()) {
        PrintTableWithDialog(this, ports_.printer, printTable(),
                             QStringLiteral("Netzwerk-Übung - Teilnehmerprotokoll"));
        return;
    }
    ports_.printer.printWithDialog(this, QStringLiteral("Netzwerk-Übung"),
                                   [this](QPrinter& printer) {
                                       printer.setDocName(QStringLiteral("Netzwerk-Übung"));
                                       RichEdit1->document()->print(&printer);
                                       return printer.printerState() != QPrinter::Error;
                                   });
}

bool TMasterProtForm::saveTo(const QString& path) {
    if (participantPage())
        return ReplaceFileContent(path, "\xEF\xBB\xBF" + network_.grid().toText().toUtf8());
    return ReplaceFileContent(path, WriteRtf(paragraphs_, kTabStopPoints));
}

void TMasterProtForm::saveCommand() {
    const bool grid = participantPage();
    const QString path =
        grid ? ports_.pickers.saveFile(QStringLiteral("Teilnehmerprotokoll in Datei speichern"),
                                       QStringLiteral("Textdatei (*.txt)|*.txt|"
                                                      "Alle Dateien (*.*)|*.*"),
                                       QStringLiteral("txt"), ports_.state.ProtocolFolder)
             : ports_.pickers.saveFile(QStringLiteral("Übungsinformation in Datei speichern"),
                                       QStringLiteral("Rich Text Dokument (*.rtf)|*.rtf|"
                                                      "Alle Dateien (*.*)|*.*"),
                                       QStringLiteral("rtf"), ports_.state.ProtocolFolder);
    if (!path.isEmpty() && !saveTo(path))
        ports_.messages.error(DocumentSession::WriteErrorMessage(path));
}

void TMasterProtForm::copyCommand() {
    if (participantPage()) {
        QGuiApplication::clipboard()->setText(network_.grid().toText());
        return;
    }
    RichEdit1->selectAll();
    RichEdit1->copy();
    QTextCursor cursor = RichEdit1->textCursor();
    cursor.clearSelection();
    RichEdit1->setTextCursor(cursor);
}

void TMasterProtForm::endCommand() {
    // After the end there is nothing left to end: the button only closes.
    if (network_.initiating() && !network_.endCommand())
        return;
    refreshCaption();
    close();
}

void TMasterProtForm::keyPressEvent(QKeyEvent* event) {
    // The end button is also the window's cancel button.
    if (event->key() == Qt::Key_Escape) {
        NetzUebBeendenBtn->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quindor
