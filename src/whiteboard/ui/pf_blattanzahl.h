#pragma once

#include "whiteboard/ui/colour_button.h"

#include <QDialog>
#include <QGroupBox>
#include <QSpinBox>

namespace quindor {

// The count of a free sheet variant ("TBlattAnzahlForm") with its line and background colours.
// The caption tells the variant; the colours stay from one use to the next.
class TBlattAnzahlForm : public QDialog {
    Q_OBJECT
public:
    explicit TBlattAnzahlForm(QWidget* parent = nullptr);

    // Shows the variant's caption and its remembered count.
    void prepare(const QString& caption, int count);
    // The count as entered: the caller limits it to the variant.
    int count() const { return AnzEdit->value(); }
    QColor lineColour() const { return StrichfarbeBtn->colour(); }
    QColor background() const { return HintergrundfarbeBtn->colour(); }

    QSpinBox* AnzEdit;
    ColourButton* StrichfarbeBtn;
    ColourButton* HintergrundfarbeBtn;
};

} // namespace quindor
