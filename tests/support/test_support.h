#pragma once

#include "core/messages.h"
#include "core/pickers.h"
#include "core/program_state.h"
#include "document/document_session.h"
#include "platform/mail_sender.h"
#include "platform/shell_open.h"
#include "platform/sound_player.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

namespace quindor {

// Named values in test messages and failures: the name's stored number.
inline std::ostream& operator<<(std::ostream& out, ObjectKind kind) {
    return out << "ObjectKind " << StoredKind(kind);
}
inline std::ostream& operator<<(std::ostream& out, DocumentType type) {
    return out << "DocumentType " << StoredType(type);
}
inline std::ostream& operator<<(std::ostream& out, DocumentSubtype subtype) {
    return out << "DocumentSubtype " << StoredSubtype(subtype);
}
inline std::ostream& operator<<(std::ostream& out, ObjectState state) {
    return out << "ObjectState " << static_cast<int32_t>(state);
}

} // namespace quindor

namespace quindor::test {

// A document session with a recording message port, as the tests drive it.
struct SessionFixture {
    ProgramState state;
    RecordingMessages messages;
    NoBusyIndicator busy;
    DocumentSession session{state, messages, busy};
};

// Counts what the session tells the layers above.
class CountingListener : public DocumentListener {
public:
    void beforeLoad() override { ++beforeLoads; }
    void documentLoaded(bool rememberFolder) override {
        ++loaded;
        rememberedFolder = rememberFolder;
    }
    void documentCleared() override { ++cleared; }
    void documentClosed() override { ++closed; }
    int beforeLoads = 0;
    int loaded = 0;
    bool rememberedFolder = false;
    int cleared = 0;
    int closed = 0;
};

// Keeps the names of the sounds played instead of playing them.
class RecordingSoundPlayer : public platform::SoundPlayer {
public:
    void play(const QString& path, bool wait) override {
        played.append(path.section(QLatin1Char('/'), -1) + (wait ? " (warten)" : ""));
    }
    void stop() override {}
    QStringList played;
};

// Keeps the messages handed to the mail program and answers with `result`.
class RecordingMail : public platform::MailSender {
public:
    bool send(const QString& subject, const QString& body,
              const QStringList& attachments) override {
        sent.append({subject, body, attachments});
        return result;
    }
    struct Mail {
        QString subject;
        QString body;
        QStringList attachments;
    };
    QList<Mail> sent;
    bool result = true;
};

// Answers the file and folder dialogs with the answers set (empty: cancelled) and keeps what
// each dialog was asked with.
class RecordingPickers : public Pickers {
public:
    QString openFile(const QString& title, const QString& filters, const QString& extension,
                     const QString& start) override {
        record(title, filters, extension, start);
        return openAnswer;
    }
    QString saveFile(const QString& title, const QString& filters, const QString& extension,
                     const QString& start) override {
        record(title, filters, extension, start);
        return saveAnswer;
    }
    QString chooseFolder(const QString& title, const QString& start) override {
        record(title, QString(), QString(), start);
        return folderAnswer;
    }

    QString openAnswer, saveAnswer, folderAnswer;
    QString lastTitle, lastFilters, lastExtension, lastStart;
    QStringList titles;

private:
    void record(const QString& title, const QString& filters, const QString& extension,
                const QString& start) {
        lastTitle = title;
        lastFilters = filters;
        lastExtension = extension;
        lastStart = start;
        titles.append(title);
    }
};

// Keeps every target the program asks the system to open, and every program it asks it to
// start, and answers with `result`.
class RecordingShell : public platform::ShellOpener {
public:
    bool open(const QString& target) override {
        opened.append(target);
        return result;
    }
    bool launch(const QString& program) override {
        launched.append(program);
        return result;
    }
    QStringList opened;
    QStringList launched;
    bool result = false;
};

// A picture with a recognisable pattern (and alpha when withAlpha), width x height pixels.
QImage PatternImage(int width, int height, bool withAlpha = false);

// A picture of random pixels with random alpha, which hardly compresses.
QImage NoiseImage(int width, int height, uint32_t seed = 1);

// Whether two pictures have the same size and the same RGBA value in every pixel.
::testing::AssertionResult SameImage(const QImage& expected, const QImage& actual);

// Whole-file helpers; a failure to write is a test failure.
QByteArray ReadFileBytes(const QString& path);
void WriteFileBytes(const QString& path, const QByteArray& bytes);

} // namespace quindor::test
