#include "core/messages.h"

namespace quindor {

Answer RecordingMessages::show(MessageKind kind, const QString& text, MessageButtons buttons) {
    entries_.append({kind, text, buttons, QString(), QStringList()});
    if (buttons == MessageButtons::Ok)
        return Answer::Ok;
    if (!answers_.isEmpty())
        return answers_.takeFirst();
    return Answer::Yes;
}

Answer RecordingMessages::ask(const QString& text, MessageButtons buttons, Answer defaultAnswer) {
    const Answer answer = show(MessageKind::Question, text, buttons);
    entries_.last().defaultAnswer = defaultAnswer;
    return answer;
}

int RecordingMessages::choose(const QString& caption, const QString& text,
                              const QStringList& buttons, int defaultButton) {
    entries_.append({MessageKind::Question, text, MessageButtons::Ok, caption, buttons});
    if (!choices_.isEmpty())
        return choices_.takeFirst();
    return defaultButton;
}

QStringList RecordingMessages::texts() const {
    QStringList list;
    for (const Entry& entry : entries_)
        list.append(entry.text);
    return list;
}

} // namespace quindor
