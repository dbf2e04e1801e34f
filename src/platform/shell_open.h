#pragma once

#include <QString>

namespace quindor::platform {

// The desktop's "open" action: a file in its program, a folder in the file manager, a web
// address in the browser. Returns whether the action could be started.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual bool open(const QString& target) = 0;
};

// Hands the target to the desktop (xdg-open on Linux, the shell's start on Windows).
class SystemShellOpener : public ShellOpener {
public:
    bool open(const QString& target) override;
};

} // namespace quindor::platform
