#include "whiteboard/ui/colour_button.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace quindor {

ColourButton::ColourButton(const QString& text, const QColor& colour, QWidget* parent)
    : QPushButton(text, parent) {
    setColour(colour);
    connect(this, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(colour_, this);
        if (chosen.isValid())
            setColour(chosen);
    });
}

void ColourButton::setColour(const QColor& colour) {
    colour_ = colour;
    QPixmap swatch(16, 16);
    swatch.fill(colour);
    {
        QPainter painter(&swatch);
        painter.setPen(Qt::darkGray);
        painter.drawRect(0, 0, 15, 15);
    }
    setIcon(QIcon(swatch));
}

} // namespace quindor
