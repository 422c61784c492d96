// Every test must leave the process as it found it, so that the whole binary also passes
// as one process: SDL and its companions closed, no current state, the same working
// folder and environment. This listener compares after each test.
#include "app/Game.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// SDL_VIDEODRIVER is not among them: the game itself chooses X11 there at its first start
const char* const WATCHED_VARIABLES[] = {"DISPLAY", "SDL_AUDIODRIVER"};

std::string ProcessState() {
    std::string state = "folder " + std::filesystem::current_path().string();
    for (const char* name : WATCHED_VARIABLES) {
        const char* value = getenv(name);
        state += std::string(", ") + name + "=" + (value ? value : "(unset)");
    }
    state += ", SDL parts started " + std::to_string(SDL_WasInit(SDL_INIT_EVERYTHING));
    state += Game::GetState() ? ", a current state" : ", no current state";
    return state;
}

class ProcessCheck : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { _before = ProcessState(); }
    void OnTestEnd(const ::testing::TestInfo& test) override {
        const std::string after = ProcessState();
        if (after != _before) {
            ADD_FAILURE() << test.test_suite_name() << "." << test.name()
                          << " left the process changed:\n  before: " << _before << "\n  after:  " << after;
        }
    }
    std::string _before;
};

[[maybe_unused]] const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ProcessCheck());
    return true;
}();

} // namespace
