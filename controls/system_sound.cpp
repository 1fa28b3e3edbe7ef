#include "controls/system_sound.h"

#include <QApplication>

#include <utility>

namespace pheltra::controls {
namespace {

SystemSoundPlayer &InstalledPlayer()
{
    static SystemSoundPlayer player;
    return player;
}

} // namespace

void PlaySystemSound(SystemSound sound)
{
    if (const SystemSoundPlayer &player = InstalledPlayer()) {
        player(sound);
    } else {
        QApplication::beep();
    }
}

SystemSoundPlayer SetSystemSoundPlayer(SystemSoundPlayer player)
{
    return std::exchange(InstalledPlayer(), std::move(player));
}

} // namespace pheltra::controls
