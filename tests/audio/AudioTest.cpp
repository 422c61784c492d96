#include "audio/Audio.h"

#include "support/LogCapture.h"
#include "support/ScopedEnv.h"

#include <SDL.h>
#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(Audio, CloseWritesItsLinesAlthoughNeverOpened) {
    LogCapture log;
    Audio::Close();
    EXPECT_EQ(log.Lines(), (Lines{"Freeing sound", "Freeing music", "Closing SDL_mixer"}));
}

TEST(Audio, WithoutADeviceFallsBackToSilence) {
    // SDL starts without its audio part (not every SDL 1.2 starts it without a device);
    // the mixer then fails to open the device itself
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    ASSERT_EQ(SDL_Init(SDL_INIT_NOPARACHUTE), 0);
    LogCapture log;
    EXPECT_FALSE(Audio::Init());
    EXPECT_TRUE(Audio::IsDisabled());
    const Lines lines = log.Lines();
    ASSERT_EQ(lines.size(), 2u);
    // the mixer library itself may be missing its decoders, or the device may not open
    EXPECT_TRUE(lines[0].rfind("Error: Could not open audio device (", 0) == 0 ||
                lines[0].rfind("Error: Could not load SDL_Mixer (", 0) == 0)
        << lines[0];
    EXPECT_EQ(lines[0].back(), ')');
    EXPECT_EQ(lines[1], "Disabling sound");
    Audio::PlayMusic(0); // disabled: must do nothing
    SDL_Quit();
}

TEST(Audio, OpensTheDummyDevice) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO | SDL_INIT_NOPARACHUTE), 0);
    LogCapture log;
    const bool opened = Audio::Init();
    if (log.Text().find("Could not load SDL_Mixer") != std::string::npos) {
        GTEST_SKIP() << "SDL_mixer has no Ogg support here: " << log.Text();
    }
    EXPECT_TRUE(opened) << log.Text();
    EXPECT_FALSE(Audio::IsDisabled());
    Audio::PlayMusic(0); // no music is loaded: nothing to play, and no harm
    Audio::Close();
    SDL_Quit();
}
