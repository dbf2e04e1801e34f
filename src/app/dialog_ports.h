#pragma once

#include "core/messages.h"
#include "core/pickers.h"

#include <QWidget>

namespace quindor {

// The message port on real message boxes: captions and button texts in German.
class DialogMessages : public Messages {
public:
    explicit DialogMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    Answer show(MessageKind kind, const QString& text, MessageButtons buttons) override;
    Answer ask(const QString& text, MessageButtons buttons, Answer defaultAnswer) override;
    int choose(const QString& caption, const QString& text, const QStringList& buttons,
               int defaultButton) override;

private:
    Answer showBox(MessageKind kind, const QString& text, MessageButtons buttons,
                   Answer defaultAnswer);

    QWidget* parent_;
};

// File and folder choosers on the standard dialogs.
class DialogPickers : public Pickers {
public:
    explicit DialogPickers(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    QString openFile(const QString& title, const QString& filters, const QString& defaultExtension,
                     const QString& startPath) override;
    QString saveFile(const QString& title, const QString& filters, const QString& defaultExtension,
                     const QString& startPath) override;
    QString chooseFolder(const QString& title, const QString& startFolder) override;

private:
    QWidget* parent_;
};

class OverrideCursorBusy : public BusyIndicator {
public:
    void begin() override;
    void end() override;
};

// "Caption (*.a)|*.a|Other (*.b)|*.b" as Qt's dialogs want it: "Caption (*.a);;Other (*.b)".
QString QtFileFilter(const QString& filters);

} // namespace quindor
