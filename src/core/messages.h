#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace quindor {

// The four kinds of message box. Every message the program shows goes through this port; the
// program binds it to real dialogs, tests and tools to a recorder.
enum class MessageKind { Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

class Messages {
public:
    virtual ~Messages() = default;
    virtual Answer show(MessageKind kind, const QString& text, MessageButtons buttons) = 0;
    // A question whose default button gives the answer named. A question whose Yes deletes or
    // discards names its harmless answer, which Escape then gives as well; otherwise Escape
    // gives Cancel, or No where there is no Cancel. A port without defaults shows the question.
    virtual Answer ask(const QString& text, MessageButtons buttons, Answer /*defaultAnswer*/) {
        return show(MessageKind::Question, text, buttons);
    }
    // A confirmation with buttons of its own captions, the last of them the one that changes
    // nothing, which Escape gives; returns the index of the button pressed, -1 when the dialog
    // was closed otherwise.
    virtual int choose(const QString& caption, const QString& text, const QStringList& buttons,
                       int defaultButton) = 0;

    void information(const QString& text) {
        show(MessageKind::Information, text, MessageButtons::Ok);
    }
    void warning(const QString& text) { show(MessageKind::Warning, text, MessageButtons::Ok); }
    void error(const QString& text) { show(MessageKind::Error, text, MessageButtons::Ok); }
    Answer question(const QString& text, MessageButtons buttons = MessageButtons::YesNo,
                    Answer defaultAnswer = Answer::Yes) {
        return ask(text, buttons, defaultAnswer);
    }
};

// Keeps every message in order and answers questions from a queue (default: the first button
// of the set, Yes or Ok). Used by tests and by the command-line tools.
class RecordingMessages : public Messages {
public:
    struct Entry {
        MessageKind kind;
        QString text;
        MessageButtons buttons;
        QString caption;
        QStringList buttonCaptions;
        Answer defaultAnswer = Answer::Yes;
    };

    Answer show(MessageKind kind, const QString& text, MessageButtons buttons) override;
    // Recorded with its default answer; answered as show answers.
    Answer ask(const QString& text, MessageButtons buttons, Answer defaultAnswer) override;
    // Recorded as a question; answered from the choice queue, else with the default button.
    int choose(const QString& caption, const QString& text, const QStringList& buttons,
               int defaultButton) override;

    void queueAnswer(Answer answer) { answers_.append(answer); }
    void queueChoice(int index) { choices_.append(index); }
    const QList<Entry>& entries() const { return entries_; }
    QStringList texts() const;
    void clear() { entries_.clear(); }

private:
    QList<Entry> entries_;
    QList<Answer> answers_;
    QList<int> choices_;
};

// The hourglass shown while a long operation runs. Nested scopes are counted by the binding.
class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

class NoBusyIndicator : public BusyIndicator {
public:
    void begin() override {}
    void end() override {}
};

class BusyScope {
public:
    explicit BusyScope(BusyIndicator& indicator) : indicator_(indicator) { indicator_.begin(); }
    ~BusyScope() { indicator_.end(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyIndicator& indicator_;
};

} // namespace quindor
