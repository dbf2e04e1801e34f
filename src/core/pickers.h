#pragma once

#include <QString>

namespace quindor {

// File and folder choosers. The program binds them to the standard dialogs; tests answer them.
// Every call returns the chosen path, or an empty string when the user cancels.
class Pickers {
public:
    virtual ~Pickers() = default;
    // filters in the form "Name (*.ext)|*.ext|..." (pairs of caption and pattern).
    virtual QString openFile(const QString& title, const QString& filters,
                             const QString& defaultExtension, const QString& startPath) = 0;
    virtual QString saveFile(const QString& title, const QString& filters,
                             const QString& defaultExtension, const QString& startPath) = 0;
    virtual QString chooseFolder(const QString& title, const QString& startFolder) = 0;
};

// Choosers where nobody chooses (tools and benchmarks): every one is cancelled.
class NoPickers : public Pickers {
public:
    QString openFile(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFile(const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

} // namespace quindor
