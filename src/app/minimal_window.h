#pragma once

#include "core/messages.h"
#include "core/program_state.h"
#include "document/document_session.h"

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>

namespace quindor {

// Message port bound to real message boxes.
class DialogMessages : public Messages {
public:
    explicit DialogMessages(QWidget* parent) : parent_(parent) {}
    Answer show(MessageKind kind, const QString& text, MessageButtons buttons) override;

private:
    QWidget* parent_;
};

class OverrideCursorBusy : public BusyIndicator {
public:
    void begin() override;
    void end() override;
};

// The program window as far as it is built: it opens a document or a topic folder, lists the
// documents of the folder and shows the base image of the open one.
class MinimalWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MinimalWindow(ProgramState& state);
    void openArgument(const QString& argument);

private:
    void fillTopicList();
    void showDocument();

    ProgramState& state_;
    DialogMessages messages_;
    OverrideCursorBusy busy_;
    DocumentSession session_;
    QListWidget* topics_;
    QLabel* picture_;
    QLabel* title_;
};

} // namespace quindor
