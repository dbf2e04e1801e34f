#include "settings/settings.h"

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
    return ExpandEnvironmentVariables(QStringLiteral("%SystemRoot%\\system32\\osk.exe"));
}

} // namespace quindor
