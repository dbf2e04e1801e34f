#pragma once

#include "core/messages.h"
#include "core/pickers.h"
#include "core/program_state.h"
#include "settings/settings.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace quindor {

// "Kommunikation für Netzwerk-Übungen": the communication folder, the channel and the way
// messages travel.
class TKommVerzForm : public QDialog {
    Q_OBJECT
public:
    TKommVerzForm(ProgramState& state, Settings& settings, Messages& messages, Pickers& pickers,
                  QWidget* parent = nullptr);

    QLineEdit* folderField() const { return VerzEdit1; }
    QLineEdit* channelField() const { return KanalEdit1; }
    QRadioButton* combinedOption() const { return KomRadioMailslot; }
    QRadioButton* folderOption() const { return KomRadioDatei; }
    QLabel* portNote() const { return portNote_; }

    void browse();
    void accessTest();
    void accept() override;

private:
    void updatePortNote();

    ProgramState& state_;
    Settings& settings_;
    Messages& messages_;
    Pickers& pickers_;
    QLineEdit* VerzEdit1;
    QLineEdit* KanalEdit1;
    QRadioButton* KomRadioMailslot;
    QRadioButton* KomRadioDatei;
    QLabel* portNote_;
};

} // namespace quindor
