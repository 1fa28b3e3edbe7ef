// Collects the system sounds played while it lives instead of sounding them,
// so a test can say which sounds a user would have heard, in which order.
#pragma once

#include "controls/system_sound.h"

#include <utility>
#include <vector>

namespace pheltra::controls {

class SystemSoundRecorder
{
public:
    SystemSoundRecorder() : previous_(SetSystemSoundPlayer([this](SystemSound sound) { heard_.push_back(sound); })) { }
    ~SystemSoundRecorder() { SetSystemSoundPlayer(std::move(previous_)); }
    SystemSoundRecorder(const SystemSoundRecorder &) = delete;
    SystemSoundRecorder &operator=(const SystemSoundRecorder &) = delete;

    // Everything heard so far; forgets it.
    std::vector<SystemSound> Take() { return std::exchange(heard_, {}); }

private:
    std::vector<SystemSound> heard_;
    SystemSoundPlayer previous_;
};

} // namespace pheltra::controls
