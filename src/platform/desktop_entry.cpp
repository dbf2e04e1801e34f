#include "platform/desktop_entry.h"

#include <QFile>
#include <QFileInfo>

namespace quindor::platform {

namespace {

// The escapes every string value of a desktop entry may hold.
QString UnescapeValue(const QString& value) {
    QString result;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\' || i + 1 == value.size()) {
            result += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case u's':
            result += u' ';
            break;
        case u'n':
            result += u'\n';
            break;
        case u't':
            result += u'\t';
            break;
        case u'r':
            result += u'\r';
            break;
        default:
            result += next;
        }
    }
    return result;
}

// One argument of the Exec value with its field codes expanded; a code that stands alone for
// files or addresses removes the argument (nullopt).
std::optional<QStringList> ExpandCodes(const QString& argument, bool quoted, const QString& name,
                                       const QString& icon, const QString& entryPath) {
    static const QString kDropped = QStringLiteral("fFuUdDnNvm");
    if (!quoted && argument.size() == 2 && argument.at(0) == u'%') {
        const QChar code = argument.at(1);
        if (kDropped.contains(code))
            return std::nullopt;
        if (code == u'i')
            return icon.isEmpty() ? QStringList{} : QStringList{QStringLiteral("--icon"), icon};
    }
    QString result;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const QChar c = argument.at(i);
        if (quoted || c != u'%' || i + 1 == argument.size()) {
            result += c;
            continue;
        }
        const QChar code = argument.at(++i);
        if (code == u'%')
            result += u'%';
        else if (code == u'c')
            result += name;
        else if (code == u'k')
            result += entryPath;
        // Other codes inside an argument stand for nothing here.
    }
    return QStringList{result};
}

} // namespace

QStringList DesktopExecArguments(const QString& exec, const QString& name, const QString& icon,
                                 const QString& entryPath) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    bool wasQuoted = false;
    const auto finish = [&] {
        if (!inArgument)
            return;
        if (const auto expanded = ExpandCodes(current, wasQuoted, name, icon, entryPath))
            arguments += *expanded;
        current.clear();
        inArgument = false;
        wasQuoted = false;
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\' && i + 1 < exec.size()) {
                current += exec.at(++i);
            } else {
                current += c;
            }
        } else if (c == u'"') {
            quoted = true;
            wasQuoted = true;
            inArgument = true;
        } else if (c == u' ' || c == u'\t') {
            finish();
        } else {
            current += c;
            inArgument = true;
        }
    }
    finish();
    return arguments;
}

std::optional<DesktopLaunch> ReadDesktopEntry(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QString group;
    QString type, exec, name, icon, url, workingFolder;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            group = line;
            continue;
        }
        if (group != QLatin1String("[Desktop Entry]"))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = UnescapeValue(line.mid(equals + 1).trimmed());
        if (key == QLatin1String("Type"))
            type = value;
        else if (key == QLatin1String("Exec"))
            exec = value;
        else if (key == QLatin1String("Name"))
            name = value;
        else if (key == QLatin1String("Icon"))
            icon = value;
        else if (key == QLatin1String("URL"))
            url = value;
        else if (key == QLatin1String("Path"))
            workingFolder = value;
    }
    DesktopLaunch launch;
    if (type == QLatin1String("Link")) {
        if (url.isEmpty())
            return std::nullopt;
        launch.url = url;
        return launch;
    }
    if (type != QLatin1String("Application"))
        return std::nullopt;
    QStringList arguments =
        DesktopExecArguments(exec, name, icon, QFileInfo(path).absoluteFilePath());
    if (arguments.isEmpty())
        return std::nullopt;
    launch.program = arguments.takeFirst();
    launch.arguments = arguments;
    launch.workingFolder = workingFolder;
    return launch;
}

} // namespace quindor::platform
