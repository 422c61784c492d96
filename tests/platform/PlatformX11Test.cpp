#include "platform/Platform.h"

#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

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
