#include "document/ui/topic_list_window.h"

#include <QPushButton>

namespace quindor {

TopicListWindow::TopicListWindow(const ReportPorts& ports, QWidget* parent)
    : ReportWindow(ports, QStringLiteral("TThemenlisteForm"), QStringLiteral("Themenliste"),
                   parent) {}

void TopicListWindow::showTopics(const QString& text) {
    setReport(text);
    area()->moveCursor(QTextCursor::Start);
    area()->ensureCursorVisible();
    if (auto* close = findChild<QPushButton*>(QStringLiteral("SchliessenBtn")))
        close->setFocus();
    exec();
}

} // namespace quindor
