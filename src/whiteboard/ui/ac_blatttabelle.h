#pragma once

#include "whiteboard/sheets.h"
#include "whiteboard/ui/colour_button.h"

#include <QCheckBox>
#include <QDialog>
#include <QSpinBox>

namespace quindor {

// The table sheet's rows, columns, colours and margins ("TBlattTabelleForm"). The values stay
// from one use to the next.
class TBlattTabelleForm : public QDialog {
    Q_OBJECT
public:
    explicit TBlattTabelleForm(QWidget* parent = nullptr);

    // The table as entered, rows and columns limited to 1-200 and margins to 0-100 %.
    SheetPattern table() const;

    QSpinBox* ZeilenEdit;
    QSpinBox* SpaltenEdit;
    ColourButton* StrichfarbeBtn;
    ColourButton* HintergrundfarbeBtn;
    QCheckBox* FreiraumCheck;
    QSpinBox* LinksEdit;
    QSpinBox* RechtsEdit;
    QSpinBox* ObenEdit;
    QSpinBox* UntenEdit;

private:
    QWidget* margins_;
};

} // namespace quindor
