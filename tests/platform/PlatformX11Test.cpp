#include "platform/Platform.h"

#include "support/ScopedEnv.h"

#include <SDL.h>
#include <gtest/gtest.h>

// sdl12-compat gives SDL 2's controller layout once the game asked for it; a player's 0
// keeps each pad's own numbering; classic SDL 1.2 has none
TEST(PlatformX11, ControllerLayoutOfSdl12CompatAskedForAndNotRefused) {
    const bool compat = SDL_Linked_Version()->patch >= 50;
    ScopedEnv unset("SDL12COMPAT_USE_GAME_CONTROLLERS", nullptr);
    EXPECT_FALSE(Platform::UsesControllerLayout());
    Platform::PrepareVideoDriver();
    EXPECT_EQ(Platform::UsesControllerLayout(), compat);
    ScopedEnv refused("SDL12COMPAT_USE_GAME_CONTROLLERS", "0");
    Platform::PrepareVideoDriver();
    EXPECT_FALSE(Platform::UsesControllerLayout());
}

TEST(PlatformX11, SettingsPathFollowsXdgConfigHomeThenHome) {
    ScopedEnv config("XDG_CONFIG_HOME", "/tmp/config");
    ScopedEnv home("HOME", "/home/player");
    EXPECT_EQ(Platform::SettingsPath(), "/tmp/config/travolk/settings");
    ScopedEnv relative("XDG_CONFIG_HOME", "config");
    EXPECT_EQ(Platform::SettingsPath(), "/home/player/.config/travolk/settings")
        << "a relative path is ignored";
    ScopedEnv unset("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(Platform::SettingsPath(), "/home/player/.config/travolk/settings");
}
