// The two system sounds with which dialogs answer wrong input. Everything
// that beeps goes through PlaySystemSound, so that a test can listen in by
// installing its own player.
#pragma once

#include <functional>

namespace pheltra::controls {

enum class SystemSound {
    kBeep,        // the default beep: input refused, focus kept
    kInformation, // the information sound: a number that does not convert
};

using SystemSoundPlayer = std::function<void(SystemSound)>;

void PlaySystemSound(SystemSound sound);

// Installs `player` for every later sound and returns the one it replaces;
// an empty player restores the platform's, which sounds the desktop bell for
// both (Qt offers no other system sound).
SystemSoundPlayer SetSystemSoundPlayer(SystemSoundPlayer player);

} // namespace pheltra::controls
