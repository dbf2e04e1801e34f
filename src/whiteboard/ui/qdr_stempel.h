#pragma once

#include "whiteboard/stamps.h"

#include <QComboBox>
#include <QDialog>

#include <array>

namespace quindor {

// "Stempelsymbole konfigurieren" ("TStempelForm"): for each of the ten stamps a font and one of
// the characters 1 to 255 of code page 1252, shown in that font.
class TStempelForm : public QDialog {
    Q_OBJECT
public:
    TStempelForm(const StampTable& stamps, QWidget* parent = nullptr);

    // The rows' choices.
    StampTable stamps() const;
    QComboBox* fontList(int number) const { return fonts_[static_cast<size_t>(number - 1)]; }
    QComboBox* characterList(int number) const {
        return characters_[static_cast<size_t>(number - 1)];
    }

private:
    void showCharacters(int number);

    std::array<QComboBox*, kStamps> fonts_{};
    std::array<QComboBox*, kStamps> characters_{};
};

} // namespace quindor
