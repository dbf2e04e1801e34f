#include "platform/qt_sound_player.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QtEndian>

namespace quindor::platform {

// The sound effect opens the default audio output (the sound server's device list), so it is
// made when the first sound plays, not while the program starts.
QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

int WaveDurationMilliseconds(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = file.read(4096);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (id == "fmt " && at + 8 + 12 <= bytes.size())
            byteRate = qFromLittleEndian<quint32>(bytes.constData() + at + 8 + 8);
        if (id == "data")
            return byteRate == 0 ? -1 : static_cast<int>(size * 1000ull / byteRate);
        at += 8 + size + (size & 1);
    }
    return -1;
}

void QtSoundPlayer::play(const QString& path, bool wait) {
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
    if (!wait)
        return;
    const int length = WaveDurationMilliseconds(path);
    QElapsedTimer timer;
    timer.start();
    // Loading takes a moment; an effect that cannot play reports an error and ends the wait.
    while (timer.elapsed() < std::max(0, length) + 200) {
        if (effect_->status() == QSoundEffect::Error)
            break;
        if (timer.elapsed() > 200 && !effect_->isPlaying())
            break;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        QThread::msleep(5);
    }
}

void QtSoundPlayer::stop() {
    if (effect_)
        effect_->stop();
}

} // namespace quindor::platform
