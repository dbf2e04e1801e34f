#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quindor::platform {

// What a desktop entry file (".desktop", the Linux desktops' program shortcut) starts: a
// program with its arguments in a working folder, or, for a link entry, an address to open.
struct DesktopLaunch {
    QString program;
    QStringList arguments;
    QString workingFolder;
    QString url;
};

// Reads the [Desktop Entry] group of the file: the command line of an application (Exec, with
// its quoting and without the field codes for files and addresses, since none are handed over)
// or the URL of a link. Nothing for a file that is no such entry or has nothing to start.
std::optional<DesktopLaunch> ReadDesktopEntry(const QString& path);

// Splits the Exec value of a desktop entry into the program and its arguments: quoting with
// double quotes, the escapes inside them, the field codes %f %F %u %U (dropped), %i (the icon
// option), %c (the name), %k (the entry's own file) and %%.
QStringList DesktopExecArguments(const QString& exec, const QString& name, const QString& icon,
                                 const QString& entryPath);

} // namespace quindor::platform
