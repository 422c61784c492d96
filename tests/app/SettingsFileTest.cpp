#include "app/SettingsFile.h"

#include "support/LogCapture.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using Lines = std::vector<std::string>;

TEST(SettingsFile, RoundTripThroughATemporaryFile) {
    TempDir dir;
    const std::string path = (dir.Path() / "config/travolk/settings").string();
    LogCapture log;
    EXPECT_EQ(SettingsFile::Load(path).scale, 1) << "a missing file means the defaults";
    ASSERT_TRUE(SettingsFile::Save(path, WindowSettings{3, true}));
    const WindowSettings loaded = SettingsFile::Load(path);
    EXPECT_EQ(loaded.scale, 3);
    EXPECT_TRUE(loaded.fullscreen);
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    EXPECT_TRUE(log.Lines().empty()) << log.Text();
}

TEST(SettingsFile, DamagedOrUnreadableGivesOneLineAndTheDefaults) {
    const std::string damaged[] = {"scale=9\n", "scale=banana\n", "fullscreen=yes\n", "scale\n",
                                   std::string("\0\x01\xff", 3)};
    TempDir dir;
    const std::string path = (dir.Path() / "settings").string();
    for (const std::string& text : damaged) {
        dir.Write("settings", "fullscreen=1\n" + text);
        LogCapture log;
        const WindowSettings loaded = SettingsFile::Load(path);
        EXPECT_EQ(loaded.scale, 1) << text;
        EXPECT_FALSE(loaded.fullscreen) << text;
        EXPECT_EQ(log.Lines(), (Lines{"Error: Damaged settings file " + path + ", using the defaults"}));
    }
    dir.Write("settings", "# other versions' keys are skipped\nvolume=3\n\nscale=2\n");
    EXPECT_EQ(SettingsFile::Load(path).scale, 2);
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    LogCapture log;
    EXPECT_EQ(SettingsFile::Load(path).scale, 1);
    EXPECT_EQ(log.Lines(), (Lines{"Error: Could not read settings file " + path}));
}

TEST(SettingsFile, UnwritableGivesOneLine) {
    TempDir dir;
    dir.Write("blocker", "a file where the folder should be");
    const std::string path = (dir.Path() / "blocker/travolk/settings").string();
    LogCapture log;
    EXPECT_FALSE(SettingsFile::Save(path, WindowSettings{2, false}));
    const Lines lines = log.Lines();
    ASSERT_EQ(lines.size(), 1u) << log.Text();
    EXPECT_EQ(lines[0].rfind("Error: Could not write settings file " + path, 0), 0u) << lines[0];
}
