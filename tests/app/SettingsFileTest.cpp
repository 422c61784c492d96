#include "app/SettingsFile.h"

#include "support/LogCapture.h"
#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using Lines = std::vector<std::string>;

TEST(SettingsFile, RoundTripThroughATemporaryFile) {
    TempDir dir;
    const std::string path = (dir.Path() / "config/travolk/settings").string();
    LogCapture log;
    EXPECT_EQ(SettingsFile::Load(path).window.scale, 1) << "a missing file means the defaults";
    ASSERT_TRUE(SettingsFile::Save(path, {WindowSettings{3, true}, PadSettings()}));
    const Settings loaded = SettingsFile::Load(path);
    EXPECT_EQ(loaded.window.scale, 3);
    EXPECT_TRUE(loaded.window.fullscreen);
    EXPECT_EQ(loaded.pad.pauseButton, PadSettings::START_BUTTON);
    EXPECT_EQ(loaded.pad.deadZone, PadSettings::DEAD_ZONE);
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    EXPECT_TRUE(log.Lines().empty()) << log.Text();
}

TEST(SettingsFile, DamagedOrUnreadableGivesOneLineAndTheDefaults) {
    const std::string damaged[] = {
        "scale=9\n",           "scale=banana\n",      "fullscreen=yes\n",    "scale\n",
        "pad_pause=-1\n",      "pad_pause=256\n",     "pad_pause=x\n",       "pad_dead_zone=1\n",
        "pad_dead_zone=0.0\n", "pad_dead_zone=1.5\n", "pad_dead_zone=.5x\n", std::string("\0\x01\xff", 3)};
    TempDir dir;
    const std::string path = (dir.Path() / "settings").string();
    for (const std::string& text : damaged) {
        dir.Write("settings", "fullscreen=1\n" + text);
        LogCapture log;
        const Settings loaded = SettingsFile::Load(path);
        EXPECT_EQ(loaded.window.scale, 1) << text;
        EXPECT_FALSE(loaded.window.fullscreen) << text;
        EXPECT_EQ(loaded.pad.pauseButton, PadSettings::START_BUTTON) << text;
        EXPECT_EQ(log.Lines(), (Lines{"Error: Damaged settings file " + path + ", using the defaults"}));
    }
    dir.Write("settings", "# other versions' keys are skipped\nvolume=3\n\nscale=2\n");
    EXPECT_EQ(SettingsFile::Load(path).window.scale, 2);
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    LogCapture log;
    EXPECT_EQ(SettingsFile::Load(path).window.scale, 1);
    EXPECT_EQ(log.Lines(), (Lines{"Error: Could not read settings file " + path}));
}

// The pad's keys, set by hand, are read and kept when the window's choices are saved; the
// defaults are not written, so a file without them stays as it was.
TEST(SettingsFile, PadKeysAreReadAndKept) {
    TempDir dir;
    const std::string path = (dir.Path() / "settings").string();
    dir.Write("settings", "fullscreen=0\nscale=2\npad_pause=9\npad_dead_zone=.25\n");
    Settings loaded = SettingsFile::Load(path);
    EXPECT_EQ(loaded.pad.pauseButton, 9);
    EXPECT_FLOAT_EQ(loaded.pad.deadZone, 0.25f);
    loaded.window.scale = 3;
    ASSERT_TRUE(SettingsFile::Save(path, loaded));
    const Settings again = SettingsFile::Load(path);
    EXPECT_EQ(again.window.scale, 3);
    EXPECT_EQ(again.pad.pauseButton, 9);
    EXPECT_FLOAT_EQ(again.pad.deadZone, 0.25f);
    ASSERT_TRUE(SettingsFile::Save(path, {WindowSettings{2, false}, PadSettings()}));
    std::ifstream file(path);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "# Travolk's remembered window choices\nfullscreen=0\nscale=2\n");
}

// Every dead zone the file takes is written so that it reads back the same.
TEST(SettingsFile, EveryDeadZoneTakenIsWrittenAsItReadsBack) {
    TempDir dir;
    const std::string path = (dir.Path() / "settings").string();
    LogCapture log;
    for (const char* written : {"0.000001", "0.00001", ".0001", "0.001", "0.01", "0.1", "0.123456", "0.25", "0.75",
                                "0.9", "0.99999", "0.999999"}) {
        dir.Write("settings", std::string("pad_dead_zone=") + written + "\n");
        Settings loaded = SettingsFile::Load(path);
        ASSERT_NE(loaded.pad.deadZone, PadSettings::DEAD_ZONE) << written << " not taken";
        loaded.window.fullscreen = true;
        ASSERT_TRUE(SettingsFile::Save(path, loaded));
        const Settings again = SettingsFile::Load(path);
        EXPECT_FLOAT_EQ(again.pad.deadZone, loaded.pad.deadZone) << written;
        EXPECT_TRUE(again.window.fullscreen) << written << ": the file was damaged";
    }
    EXPECT_TRUE(log.Lines().empty()) << log.Text();
}

TEST(SettingsFile, UnwritableGivesOneLine) {
    TempDir dir;
    dir.Write("blocker", "a file where the folder should be");
    const std::string path = (dir.Path() / "blocker/travolk/settings").string();
    LogCapture log;
    EXPECT_FALSE(SettingsFile::Save(path, {WindowSettings{2, false}, PadSettings()}));
    const Lines lines = log.Lines();
    ASSERT_EQ(lines.size(), 1u) << log.Text();
    EXPECT_EQ(lines[0].rfind("Error: Could not write settings file " + path, 0), 0u) << lines[0];
}
