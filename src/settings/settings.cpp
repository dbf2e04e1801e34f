#include "settings/settings.h"

#include <QStandardPaths>

namespace quindor {

bool IsTimeFieldText(const QString& text) {
    if (text.size() > 2)
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return text.toInt() <= 59;
}

QString ExpandEnvironmentVariables(const QString& text) {
    QString result;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u'%', pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'%', open + 1);
        if (close < 0) {
            result += text.mid(pos);
            break;
        }
        result += text.mid(pos, open - pos);
        const QString name = text.mid(open + 1, close - open - 1);
        if (!name.isEmpty() && qEnvironmentVariableIsSet(name.toLocal8Bit().constData()))
            result += qEnvironmentVariable(name.toLocal8Bit().constData());
        else
            result += text.mid(open, close - open + 1);
        pos = close + 1;
    }
    return result;
}

QString DefaultVerknuepfungT() {
#if defined(Q_OS_WIN)
    return ExpandEnvironmentVariables(QStringLiteral("%SystemRoot%\\system32\\osk.exe"));
#else
    // The on-screen keyboards of the Linux desktops; without one the button is not set up.
    for (const char* name : {"onboard", "florence", "matchbox-keyboard", "kvkbd"}) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!program.isEmpty())
            return program;
    }
    return QString();
#endif
}

} // namespace quindor
