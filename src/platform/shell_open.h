#pragma once

#include <QString>

namespace quindor::platform {

// The desktop's "open" action: a file in its program, a folder in the file manager, a web
// address in the browser. Returns whether the action could be started.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual bool open(const QString& target) = 0;
    // Starts a program the user chose for a button: a program file or a desktop shortcut runs,
    // any other file opens in its program. Returns whether it could be started.
    virtual bool launch(const QString& program) { return open(program); }
};

// Hands the target to the desktop (xdg-open on Linux, the shell's start on Windows). On Linux
// launch runs desktop entries (".desktop") and program files itself, which xdg-open would
// only show.
class SystemShellOpener : public ShellOpener {
public:
    bool open(const QString& target) override;
    bool launch(const QString& program) override;
};

// Whether a file is a program to run: executable, and a compiled program or a script that
// names its interpreter ("#!"). A document that merely carries the executable flag, as every
// file on a Windows-formatted stick does, is not.
bool IsProgramFile(const QString& path);

} // namespace quindor::platform
