#pragma once

#include "print/ui/report_window.h"

namespace quindor {

// The topic list window "Themenliste": the numbered titles of the topic folder.
class TopicListWindow : public ReportWindow {
    Q_OBJECT
public:
    explicit TopicListWindow(const ReportPorts& ports, QWidget* parent = nullptr);
    // Fills the window from the topic list and shows it from its start.
    void showTopics(const QString& text);
};

} // namespace quindor
