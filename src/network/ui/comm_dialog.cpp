#include "network/ui/comm_dialog.h"

#include "network/comm_settings.h"
#include "platform/datagram_endpoint.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

namespace {

QLabel* Note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #404040;"));
    return label;
}

} // namespace

TKommVerzForm::TKommVerzForm(ProgramState& state, Settings& settings, Messages& messages,
                             Pickers& pickers, QWidget* parent)
    : QDialog(parent), state_(state), settings_(settings), messages_(messages), pickers_(pickers),
      VerzEdit1(new QLineEdit(state.CommFolder)), KanalEdit1(new QLineEdit(state.CommChannel)),
      KomRadioMailslot(new QRadioButton(QStringLiteral("Datagramme und Kommunikationsordner "
                                                       "(empfohlen)"))),
      KomRadioDatei(new QRadioButton(QStringLiteral("Nur Kommunikationsordner"))),
      portNote_(new QLabel) {
    setObjectName(QStringLiteral("TKommVerzForm"));
    setWindowTitle(QStringLiteral("Kommunikation für Netzwerk-Übungen"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Note(
        QStringLiteral("Alle Rechner einer Netzwerk-Übung (Lehrer-PC und Teilnehmer-PCs) müssen "
                       "denselben Kommunikationsordner und denselben Kanal verwenden."),
        this));

    auto* folderGroup = new QGroupBox(QStringLiteral(" Kommunikationsordner "), this);
    auto* folderRow = new QHBoxLayout(folderGroup);
    VerzEdit1->setObjectName(QStringLiteral("VerzEdit1"));
    folderRow->addWidget(VerzEdit1, 1);
    auto* browseButton = new QPushButton(QStringLiteral("&Durchsuchen..."), folderGroup);
    connect(browseButton, &QPushButton::clicked, this, &TKommVerzForm::browse);
    folderRow->addWidget(browseButton);
    layout->addWidget(folderGroup);

    auto* channelGroup = new QGroupBox(QStringLiteral(" Kanal "), this);
    auto* channelRow = new QHBoxLayout(channelGroup);
    KanalEdit1->setObjectName(QStringLiteral("KanalEdit1"));
    // A longer channel preset centrally is shown whole, so OK does not change it.
    KanalEdit1->setMaxLength(std::max<int>(8, static_cast<int>(state.CommChannel.size())));
    KanalEdit1->setFixedWidth(120);
    channelRow->addWidget(KanalEdit1);
    channelRow->addWidget(Note(QStringLiteral("Mit verschiedenen Kanälen können mehrere "
                                              "Netzwerk-Übungen gleichzeitig stattfinden."),
                               channelGroup),
                          1);
    layout->addWidget(channelGroup);

    auto* wayGroup = new QGroupBox(QStringLiteral(" Kommunikationsverfahren "), this);
    auto* way = new QVBoxLayout(wayGroup);
    KomRadioMailslot->setObjectName(QStringLiteral("KomRadioMailslot"));
    KomRadioDatei->setObjectName(QStringLiteral("KomRadioDatei"));
    (settings.NetzKomVerfahren == 1 ? KomRadioMailslot : KomRadioDatei)->setChecked(true);
    way->addWidget(KomRadioMailslot);
    way->addWidget(Note(QStringLiteral("Die Übung wird über den Kommunikationsordner verteilt, "
                                       "die Meldungen der Teilnehmer kommen als Datagramme. "
                                       "Die Teilnehmer-PCs benötigen nur Lesezugriff auf den "
                                       "Ordner."),
                        wayGroup));
    way->addWidget(KomRadioDatei);
    way->addWidget(Note(QStringLiteral("Alles läuft über den Kommunikationsordner. Jeder "
                                       "Teilnehmer-PC benötigt Schreibzugriff auf den Ordner."),
                        wayGroup));
    portNote_->setObjectName(QStringLiteral("PortHinweis"));
    portNote_->setWordWrap(true);
    way->addWidget(portNote_);
    layout->addWidget(wayGroup);
    connect(KanalEdit1, &QLineEdit::textChanged, this, &TKommVerzForm::updatePortNote);
    updatePortNote();

    auto* buttons = new QHBoxLayout;
    auto* test = new QPushButton(QStringLiteral("&Zugriffstest"), this);
    connect(test, &QPushButton::clicked, this, &TKommVerzForm::accessTest);
    buttons->addWidget(test);
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TKommVerzForm::accept);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resize(560, sizeHint().height());
}

void TKommVerzForm::updatePortNote() {
    // The datagrams use a port of the channel's own instead of the ports of the mailslots.
    portNote_->setText(
        QStringLiteral("Eine Firewall muss UDP-Datagramme an Port %1 zum Lehrer-PC durchlassen.")
            .arg(platform::DatagramEndpoint::portFor(KanalEdit1->text())));
}

void TKommVerzForm::browse() {
    const QString chosen =
        pickers_.chooseFolder(QStringLiteral("Kommunikationsordner festlegen"), VerzEdit1->text());
    if (!chosen.isEmpty())
        VerzEdit1->setText(QDir::toNativeSeparators(chosen));
}

void TKommVerzForm::accessTest() {
    AccessTestCommand(VerzEdit1->text(), KomRadioMailslot->isChecked(), messages_);
}

void TKommVerzForm::accept() {
    QString folder = VerzEdit1->text();
    const bool close = AcceptCommSettings(folder, KanalEdit1->text(), KomRadioMailslot->isChecked(),
                                          state_, settings_, messages_);
    VerzEdit1->setText(folder);
    if (close)
        QDialog::accept();
}

} // namespace quindor
