#pragma once

#include <QColor>
#include <QPushButton>

namespace quindor {

// A button that shows a colour and opens the standard colour dialog preset with it.
class ColourButton : public QPushButton {
    Q_OBJECT
public:
    ColourButton(const QString& text, const QColor& colour, QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(const QColor& colour);

private:
    QColor colour_;
};

} // namespace quindor
