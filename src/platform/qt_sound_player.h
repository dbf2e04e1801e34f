#pragma once

#include "platform/sound_player.h"

#include <memory>

class QSoundEffect;

namespace quindor::platform {

// Plays through QtMultimedia's sound effect. Waiting runs a local event loop that keeps the
// window painted but takes no user input, and ends with the sound, at the sound's length
// read from its header, or at once when no audio device plays it.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void play(const QString& path, bool wait) override;
    void stop() override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

// Length of a PCM wave file in milliseconds from its header; -1 when it is no such file.
int WaveDurationMilliseconds(const QString& path);

} // namespace quindor::platform
