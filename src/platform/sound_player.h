#pragma once

#include <QString>

namespace quindor::platform {

// Plays wave files. Without an audio device playing is silent and waiting returns at once.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Stops what is playing and plays the file; with wait, returns when it has ended.
    virtual void play(const QString& path, bool wait) = 0;
    virtual void stop() = 0;
};

} // namespace quindor::platform
