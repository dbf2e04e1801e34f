#include "core/messages.h"

namespace quindor {

Answer RecordingMessages::show(MessageKind kind, const QString& text, MessageButtons buttons) {
    entries_.append({kind, text, buttons});
    if (buttons == MessageButtons::Ok)
        return Answer::Ok;
    if (!answers_.isEmpty())
        return answers_.takeFirst();
    return Answer::Yes;
}

QStringList RecordingMessages::texts() const {
    QStringList list;
    for (const Entry& entry : entries_)
        list.append(entry.text);
    return list;
}

} // namespace quindor
