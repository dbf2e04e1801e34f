// Every window and dialog of the program on the smallest screen it accepts, 1024 x 768, as a
// teacher's first hour meets them: each fits, every control lies inside it (or in a scroll
// area), and no text is cut.
#include "window_tour/window_tour.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quindor {
namespace {

bool InScrollArea(const QWidget* widget, const QWidget* window) {
    for (const QWidget* w = widget->parentWidget(); w && w != window; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(w))
            return true;
    }
    return false;
}

// What keeps the window from being used on the screen: its size, controls beyond its edges,
// texts that do not fit their labels and buttons.
QStringList Faults(QWidget& window, QSize screen) {
    QStringList faults;
    const auto describe = [](const QWidget* w, const QString& text) {
        return QStringLiteral("%1 \"%2\"")
            .arg(QString::fromLatin1(w->metaObject()->className()), text.left(40));
    };
    if (window.width() > screen.width() || window.height() > screen.height())
        faults.append(QStringLiteral("Größe %1 x %2").arg(window.width()).arg(window.height()));
    const QSize least = window.minimumSizeHint();
    if (least.width() > screen.width() || least.height() > screen.height())
        faults.append(
            QStringLiteral("Mindestgröße %1 x %2").arg(least.width()).arg(least.height()));
    for (QHeaderView* header : window.findChildren<QHeaderView*>()) {
        for (int i = 0; header->isVisibleTo(&window) && i < header->count(); ++i) {
            const QString title = header->model()->headerData(i, header->orientation()).toString();
            if (!header->isSectionHidden(i) &&
                header->sectionSize(i) < header->fontMetrics().horizontalAdvance(title) + 4)
                faults.append(QStringLiteral("Spalte \"%1\" abgeschnitten").arg(title));
        }
    }
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&window) || InScrollArea(child, &window) || child->isWindow())
            continue;
        const auto* label = qobject_cast<const QLabel*>(child);
        const auto* button = qobject_cast<const QAbstractButton*>(child);
        // A tool button showing only its icon shows no text to cut.
        const auto* tool = qobject_cast<const QToolButton*>(child);
        const bool iconOnly =
            tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull();
        const QString text = label                 ? label->text()
                             : button && !iconOnly ? button->text()
                                                   : QString();
        if (text.isEmpty())
            continue;
        if (!window.rect().contains(QRect(child->mapTo(&window, QPoint(0, 0)), child->size())))
            faults.append(describe(child, text) + QStringLiteral(" außerhalb"));
        // A push or tool button may be narrower than it would like, as long as its text fits.
        const bool plainButton = button && !qobject_cast<const QCheckBox*>(child) &&
                                 !qobject_cast<const QRadioButton*>(child);
        const int textWidth =
            button ? child->fontMetrics().horizontalAdvance(QString(text).remove(u'&')) +
                         (button->icon().isNull() ? 0 : button->iconSize().width() + 4)
                   : 0;
        const bool cut = label && label->wordWrap()
                             ? child->height() < child->heightForWidth(child->width())
                         : plainButton ? child->width() < textWidth + 4
                                       : child->width() < child->sizeHint().width();
        if (cut)
            faults.append(describe(child, text) + QStringLiteral(" abgeschnitten"));
    }
    return faults;
}

TEST(WindowSizes, EveryWindowFitsTheSmallestScreenWithAllItsTexts) {
    QTemporaryDir dir;
    const QSize screen(1024, 768);
    QStringList seen;
    const QStringList missing =
        tour::WalkThroughProgram(dir.path(), screen, [&](const QString& name, QWidget& window) {
            seen.append(name);
            const QStringList faults = Faults(window, screen);
            EXPECT_TRUE(faults.isEmpty())
                << name.toStdString() << ": " << faults.join(QStringLiteral("; ")).toStdString();
        });
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QStringLiteral("; ")).toStdString();
    // The walk reaches the windows of every part of the program.
    for (const char* name : {"arbeitsblatt", "eigenschaften", "kontrollanzeige", "kommunikation",
                             "uebung-ueberkreuz", "texteingabe", "ergebnis", "tafel"})
        EXPECT_TRUE(seen.contains(QString::fromLatin1(name))) << name;
}

} // namespace
} // namespace quindor
