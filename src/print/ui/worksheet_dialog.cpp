#include "print/ui/worksheet_dialog.h"

#include "layouts/pair_layout.h"
#include "print/ui/worksheet_print_dialog.h"
#include "print/worksheet_output.h"

#include <QClipboard>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace quindor {

namespace {

QCheckBox* CheckBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* Button(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

struct StepButton {
    const char* name;
    const char* text;
};

// A number with two buttons that step it down and up, made in that order, so that the tab key
// reaches them as they stand.
template <typename Box>
QWidget* SteppedRow(Box* box, StepButton downButton, StepButton upButton, QWidget* parent) {
    auto* row = new QWidget(parent);
    QPushButton* down =
        Button(QString::fromLatin1(downButton.name), QString::fromUtf8(downButton.text), parent);
    QPushButton* up =
        Button(QString::fromLatin1(upButton.name), QString::fromUtf8(upButton.text), parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box, 1);
    layout->addWidget(down);
    layout->addWidget(up);
    QObject::connect(down, &QPushButton::clicked, box, [box] { box->stepBy(-1); });
    QObject::connect(up, &QPushButton::clicked, box, [box] { box->stepBy(1); });
    return row;
}

QDoubleSpinBox* RealBox(const QString& name, double low, double high, double step,
                        QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setDecimals(1);
    box->setRange(low, high);
    box->setSingleStep(step);
    return box;
}

// The types whose page the sheet shows as it is, cards and all.
bool ShowsFreePage(DocumentType type) {
    return type == DocumentType::Labelling || type == DocumentType::CrossMatching ||
           !IsKnownType(type);
}

} // namespace

TArbeitsblattForm::TArbeitsblattForm(WorksheetState& state, Document& document,
                                     const WorksheetSource& source, RandomGenerator& random,
                                     Ports ports, QWidget* parent)
    : QDialog(parent), state_(state), settings_(state.settings), document_(document),
      source_(source), ports_(ports), seed_(DrawVariantSeed(random)) {
    setObjectName(QStringLiteral("TArbeitsblattForm"));
    setWindowTitle(QStringLiteral("Arbeitsblatt"));
    source_.document = &document_;
    const HeaderDataTyp& h = document_.Header;
    if (settings_.TitelCheck)
        settings_.TitelEdit = h.Titel;
    settings_.AufgMemo = h.ABAufgabe;

    auto* layout = new QHBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(createSettings());
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(scroll->widget()->sizeHint().width() + 24);
    layout->addWidget(scroll);
    auto* right = new QVBoxLayout;
    preview_ = new WorksheetPreview(this);
    right->addWidget(preview_, 1);
    auto* buttons = new QHBoxLayout;
    const std::pair<const char*, const char*> actions[] = {
        {"VorschauBtn", "Vorschau aktualisieren"},
        {"ZuruecksetzenBtn", "Zur\u00fccksetzen"},
        {"ExportierenBtn", "Exportieren..."},
        {"ZwischenablageBtn", "In Zwischenablage kopieren"},
        {"DruckenBtn", "Drucken..."},
        {"SchliessenBtn", "Schlie\u00dfen"},
    };
    for (const auto& [name, text] : actions) {
        QPushButton* button = Button(QString::fromLatin1(name), QString::fromUtf8(text), this);
        buttons->addWidget(button);
    }
    right->addLayout(buttons);
    layout->addLayout(right, 1);
    connect(control<QPushButton>("VorschauBtn"), &QPushButton::clicked, this,
            &TArbeitsblattForm::buildSheet);
    connect(control<QPushButton>("ZuruecksetzenBtn"), &QPushButton::clicked, this,
            &TArbeitsblattForm::resetSettings);
    connect(control<QPushButton>("ExportierenBtn"), &QPushButton::clicked, this,
            &TArbeitsblattForm::exportSheet);
    connect(control<QPushButton>("ZwischenablageBtn"), &QPushButton::clicked, this,
            &TArbeitsblattForm::copySheet);
    connect(control<QPushButton>("DruckenBtn"), &QPushButton::clicked, this,
            &TArbeitsblattForm::printSheet);
    connect(control<QPushButton>("SchliessenBtn"), &QPushButton::clicked, this, &QDialog::accept);

    showPanels();
    showSettings();
    connectChanges();
    resize(1100, 800);
    buildSheet();
}

QWidget* TArbeitsblattForm::createSettings() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);

    auto* modes = new QGroupBox(QStringLiteral(" Was soll erstellt werden "), panel);
    modes->setObjectName(QStringLiteral("ModeRadio"));
    auto* modeColumn = new QVBoxLayout(modes);
    mode_ = new QButtonGroup(this);
    const char* const modeTexts[] = {"Arbeitsblatt", "L\u00f6sungsblatt (komplett)",
                                     "L\u00f6sungsblatt (Auflegefolie)"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(modeTexts[i]), modes);
        mode_->addButton(radio, i);
        modeColumn->addWidget(radio);
    }
    column->addWidget(modes);

    auto* orientations = new QGroupBox(QStringLiteral(" Seitenausrichtung "), panel);
    orientations->setObjectName(QStringLiteral("OrientRadio"));
    auto* orientationRow = new QHBoxLayout(orientations);
    orientation_ = new QButtonGroup(this);
    const char* const orientationTexts[] = {"Hochformat", "Querformat"};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(orientationTexts[i]), orientations);
        orientation_->addButton(radio, i);
        orientationRow->addWidget(radio);
    }
    column->addWidget(orientations);

    auto* fields = new QHBoxLayout;
    name_ = CheckBox(QStringLiteral("ABNameBox"), QStringLiteral("Name"), panel);
    klasse_ = CheckBox(QStringLiteral("ABKlasseBox"), QStringLiteral("Klasse"), panel);
    datum_ = CheckBox(QStringLiteral("ABDatumBox"), QStringLiteral("Datum"), panel);
    for (QCheckBox* box : {name_, klasse_, datum_})
        fields->addWidget(box);
    column->addLayout(fields);

    titleCheck_ = CheckBox(QStringLiteral("TitelCheck"),
                           QStringLiteral("Titel des Dokuments verwenden"), panel);
    column->addWidget(titleCheck_);
    title_ = new QLineEdit(panel);
    title_->setObjectName(QStringLiteral("TitelEdit"));
    column->addWidget(title_);
    column->addWidget(new QLabel(QStringLiteral("Aufgabenstellung:"), panel));
    task_ = new QPlainTextEdit(panel);
    task_->setObjectName(QStringLiteral("AufgMemo"));
    task_->setMaximumHeight(80);
    column->addWidget(task_);

    bank_ = CheckBox(QStringLiteral("TextvorgabeCheck"), QStringLiteral("Antworttexte vorgeben"),
                     panel);
    column->addWidget(bank_);
    objects_ =
        CheckBox(QStringLiteral("ObjekteCheck"), QStringLiteral("Weitere Objekte zeigen"), panel);
    column->addWidget(objects_);
    blankSizeRow_ = new QWidget(panel);
    auto* blankRow = new QHBoxLayout(blankSizeRow_);
    blankRow->setContentsMargins(0, 0, 0, 0);
    blankRow->addWidget(new QLabel(QStringLiteral("K\u00e4stchengr\u00f6\u00dfe:"), blankSizeRow_));
    blankSize_ = new QComboBox(blankSizeRow_);
    blankSize_->setObjectName(QStringLiteral("KaestchengroesseCombo"));
    blankSize_->addItems(BlankSizeTexts());
    blankRow->addWidget(blankSize_, 1);
    column->addWidget(blankSizeRow_);

    column->addWidget(createFreePanel());
    column->addWidget(createPicturePanel());
    column->addWidget(createQuestionPanel());
    column->addStretch(1);
    return panel;
}

QGroupBox* TArbeitsblattForm::createFreePanel() {
    freePanel_ = new QGroupBox(QStringLiteral(" Seite "), this);
    freePanel_->setObjectName(QStringLiteral("FreiPanel"));
    auto* column = new QVBoxLayout(freePanel_);
    baseImage0_ = CheckBox(QStringLiteral("BasisbildCheck0"), QStringLiteral("Basisbild anzeigen"),
                           freePanel_);
    drawings_ = CheckBox(QStringLiteral("ZeichnungenEinbindenCheck"),
                         QStringLiteral("Zeichnungen einbinden (wie Lernansicht)"), freePanel_);
    column->addWidget(baseImage0_);
    column->addWidget(drawings_);
    return freePanel_;
}

QGroupBox* TArbeitsblattForm::createPicturePanel() {
    picturePanel_ = new QGroupBox(QStringLiteral(" Bild und Text "), this);
    picturePanel_->setObjectName(QStringLiteral("BildPanel"));
    auto* form = new QFormLayout(picturePanel_);
    baseImage_ = CheckBox(QStringLiteral("BasisbildCheck"), QStringLiteral("Basisbild anzeigen"),
                          picturePanel_);
    form->addRow(baseImage_);
    // The picture may shrink without a bound and move down without one.
    size_ = RealBox(QStringLiteral("BasisbildGroesse"), -100000.0, 300.0, 1.0, picturePanel_);
    form->addRow(
        QStringLiteral("Bildgr\u00f6\u00dfe (%):"),
        SteppedRow(size_, {"BildKleinerBtn", "-"}, {"BildGroesserBtn", "+"}, picturePanel_));
    x_ = RealBox(QStringLiteral("BasisbildX"), -20.0, 20.0, 0.1, picturePanel_);
    x_->setSuffix(QStringLiteral(" cm"));
    form->addRow(QStringLiteral("X-Bildposition:"),
                 SteppedRow(x_, {"LinksBtn", "links"}, {"RechtsBtn", "rechts"}, picturePanel_));
    y_ = RealBox(QStringLiteral("BasisbildY"), -20.0, 100000.0, 0.1, picturePanel_);
    y_->setSuffix(QStringLiteral(" cm"));
    // Higher on the page is a smaller position.
    form->addRow(
        QStringLiteral("Y-Bildposition:"),
        SteppedRow(y_, {"HoeherBtn", "h\u00f6her"}, {"TieferBtn", "tiefer"}, picturePanel_));
    fullWidth_ =
        CheckBox(QStringLiteral("VollbreiteCheck"),
                 QStringLiteral("Basisbild auf volle Seitenbreite fixieren"), picturePanel_);
    form->addRow(fullWidth_);
    margins_ = CheckBox(QStringLiteral("RaenderCheck"),
                        QStringLiteral("R\u00e4nder f\u00fcr L\u00fcckentext \u00fcbernehmen"),
                        picturePanel_);
    form->addRow(margins_);
    font_ = new QSpinBox(picturePanel_);
    font_->setObjectName(QStringLiteral("MaxFontSize"));
    font_->setRange(-10, 10);
    form->addRow(QStringLiteral("Schriftanpassung:"),
                 SteppedRow(font_, {"KleinerBtn", "kleiner"}, {"GroesserBtn", "gr\u00f6\u00dfer"},
                            picturePanel_));
    return picturePanel_;
}

QGroupBox* TArbeitsblattForm::createQuestionPanel() {
    questionPanel_ = new QGroupBox(QStringLiteral(" Fragen "), this);
    questionPanel_->setObjectName(QStringLiteral("FragenPanel"));
    auto* form = new QFormLayout(questionPanel_);
    firstQuestion_ = new QSpinBox(questionPanel_);
    firstQuestion_->setObjectName(QStringLiteral("AbFrageEdit"));
    firstQuestion_->setRange(1, 99999);
    form->addRow(QStringLiteral("Ab Frage Nr."), firstQuestion_);
    return questionPanel_;
}

void TArbeitsblattForm::connectChanges() {
    const auto changed = [this] { settingsChanged(); };
    connect(mode_, &QButtonGroup::idClicked, this, changed);
    connect(orientation_, &QButtonGroup::idClicked, this, [this](int id) {
        if (id != settings_.OrientRadio)
            orientationChanged_ = true;
        settingsChanged();
    });
    for (QCheckBox* box :
         {name_, klasse_, datum_, bank_, objects_, drawings_, fullWidth_, margins_})
        connect(box, &QCheckBox::toggled, this, changed);
    // The two base-image boxes are one setting.
    for (QCheckBox* box : {baseImage_, baseImage0_}) {
        connect(box, &QCheckBox::toggled, this, [this](bool on) {
            if (showing_)
                return;
            baseImage_->setChecked(on);
            baseImage0_->setChecked(on);
            settingsChanged();
        });
    }
    connect(titleCheck_, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !showing_)
            title_->setText(document_.Header.Titel);
        settingsChanged();
    });
    connect(title_, &QLineEdit::textChanged, this, changed);
    connect(task_, &QPlainTextEdit::textChanged, this, changed);
    connect(blankSize_, &QComboBox::currentIndexChanged, this, changed);
    for (QDoubleSpinBox* box : {size_, x_, y_})
        connect(box, &QDoubleSpinBox::valueChanged, this, changed);
    for (QSpinBox* box : {font_, firstQuestion_})
        connect(box, &QSpinBox::valueChanged, this, changed);
}

void TArbeitsblattForm::showPanels() {
    const DocumentType type = document_.Header.DokTyp;
    const bool freePage = ShowsFreePage(type);
    freePanel_->setVisible(freePage);
    drawings_->setVisible(freePage && type != DocumentType::CrossMatching);
    picturePanel_->setVisible(type == DocumentType::GapText || type == DocumentType::Cluster);
    questionPanel_->setVisible(type == DocumentType::Questions ||
                               type == DocumentType::MultipleChoice);
    objects_->setVisible(type != DocumentType::Cluster);
    bank_->setVisible(type != DocumentType::MultipleChoice && type != DocumentType::CrossMatching);
    blankSizeRow_->setVisible(freePage && type != DocumentType::CrossMatching
                                  ? true
                                  : type == DocumentType::GapText || type == DocumentType::Cluster);
}

void TArbeitsblattForm::showSettings() {
    const WorksheetSettings& s = settings_;
    showing_ = true;
    mode_->button(static_cast<int>(s.ModeRadio))->setChecked(true);
    orientation_->button(s.OrientRadio)->setChecked(true);
    name_->setChecked(s.ABNameBox);
    klasse_->setChecked(s.ABKlasseBox);
    datum_->setChecked(s.ABDatumBox);
    titleCheck_->setChecked(s.TitelCheck);
    if (title_->text() != s.TitelEdit)
        title_->setText(s.TitelEdit);
    if (task_->toPlainText() != s.AufgMemo)
        task_->setPlainText(s.AufgMemo);
    bank_->setChecked(s.TextvorgabeCheck);
    objects_->setChecked(s.ObjekteCheck);
    blankSize_->setCurrentIndex(s.KaestchengroesseCombo);
    baseImage_->setChecked(s.BasisbildCheck);
    baseImage0_->setChecked(s.BasisbildCheck);
    drawings_->setChecked(s.ZeichnungenEinbindenCheck);
    size_->setValue(s.BasisbildGroesse);
    x_->setValue(s.BasisbildX);
    y_->setValue(s.BasisbildY);
    fullWidth_->setChecked(s.VollbreiteCheck);
    margins_->setChecked(s.RaenderCheck);
    font_->setValue(s.MaxFontSize);
    firstQuestion_->setValue(s.AbFrageEdit);
    showing_ = false;
}

void TArbeitsblattForm::readControls() {
    WorksheetSettings& s = settings_;
    s.ModeRadio = static_cast<WorksheetVariant>(std::max(0, mode_->checkedId()));
    s.OrientRadio = std::max(0, orientation_->checkedId());
    s.ABNameBox = name_->isChecked();
    s.ABKlasseBox = klasse_->isChecked();
    s.ABDatumBox = datum_->isChecked();
    s.TitelCheck = titleCheck_->isChecked();
    s.TitelEdit = title_->text();
    s.AufgMemo = task_->toPlainText();
    s.TextvorgabeCheck = bank_->isChecked();
    s.ObjekteCheck = objects_->isChecked();
    s.KaestchengroesseCombo = blankSize_->currentIndex();
    s.BasisbildCheck = baseImage_->isChecked();
    s.ZeichnungenEinbindenCheck = drawings_->isChecked();
    s.BasisbildGroesse = size_->value();
    s.BasisbildX = x_->value();
    s.BasisbildY = y_->value();
    s.VollbreiteCheck = fullWidth_->isChecked();
    s.RaenderCheck = margins_->isChecked();
    s.MaxFontSize = font_->value();
    s.AbFrageEdit = firstQuestion_->value();
    ClampWorksheetSettings(s);
}

void TArbeitsblattForm::settingsChanged() {
    if (!showing_)
        buildSheet();
}

void TArbeitsblattForm::buildSheet() {
    readControls();
    WorksheetRequest request{settings_.ModeRadio, seed_, orientationChanged_};
    sheet_ = BuildWorksheet(source_, settings_, request);
    orientationChanged_ = request.orientationChanged;
    // A turned page has refitted the picture.
    showSettings();
    preview_->setSheet(sheet_, settings_.landscape());
}

void TArbeitsblattForm::resetSettings() {
    ApplyWorksheetSettings(document_.Header.Arbeitsblatt, settings_);
    settings_.AufgMemo = document_.Header.ABAufgabe;
    showSettings();
    buildSheet();
}

void TArbeitsblattForm::exportSheet() {
    buildSheet();
    const QFileInfo file(document_.Header.FileName);
    const QString start = document_.Header.FileName.isEmpty()
                              ? QString()
                              : file.absolutePath() + QLatin1Char('/') + file.completeBaseName() +
                                    QStringLiteral(".pdf");
    const QString path = ports_.pickers.saveFile(WorksheetExportTitle(), WorksheetExportFilter(),
                                                 QStringLiteral("pdf"), start);
    if (!path.isEmpty())
        ExportWorksheet(path, sheet_, ports_.messages);
}

void TArbeitsblattForm::copySheet() {
    buildSheet();
    QGuiApplication::clipboard()->setMimeData(WorksheetMimeData(sheet_));
}

void TArbeitsblattForm::printSheet() {
    buildSheet();
    WorksheetPrintDialog dialog(ports_.printer, state_.placement, sheet_, settings_.landscape(),
                                this);
    dialog.exec();
}

void TArbeitsblattForm::done(int result) {
    readControls();
    // The settings stay for the program run and reach the document's file only when the
    // document is saved; closing the dialog changes nothing that would ask for saving.
    HeaderDataTyp& h = document_.Header;
    h.ABAufgabe = settings_.AufgMemo;
    // The sheet mixed only its own copy; the page keeps every element in its row.
    if (h.DokTyp == DocumentType::CrossMatching)
        RestoreRightHandOrder(document_);
    QDialog::done(result);
}

} // namespace quindor
