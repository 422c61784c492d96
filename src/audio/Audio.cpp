#include "audio/Audio.h"

#include "core/Log.h"

#include <SDL_mixer.h>

bool Audio::_disabled = false;
std::vector<Mix_Chunk*> Audio::_sounds;
std::vector<Mix_Music*> Audio::_music;

bool Audio::Init() {
    if (Mix_Init(MIX_INIT_OGG) != MIX_INIT_OGG) {
        Log::SdlError("Could not load SDL_Mixer");
        return Disable();
    }
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == -1) {
        Log::SdlError("Could not open audio device");
        return Disable();
    }
    _disabled = false;
    return true;
}

bool Audio::Disable() {
    Log::Line("Disabling sound");
    _disabled = true;
    return false;
}

bool Audio::LoadSounds() {
    return true;
}

bool Audio::LoadMusic() {
    return true;
}

void Audio::PlayMusic(int index) {
    if (_disabled) {
        return;
    }
    if (index < 0 || index >= static_cast<int>(_music.size())) {
        return; // no such piece: nothing to play
    }
    Mix_PlayMusic(_music[index], -1);
}

void Audio::FreeSounds() {
    Log::Line("Freeing sound");
    Log::Line("Freeing music");
}

void Audio::Close() {
    FreeSounds();
    Log::Line("Closing SDL_mixer");
    // SDL_mixer 1.2 frees its sound-font paths on quit without forgetting them, so a second
    // start and quit in one process would free them twice; forgetting them first is safe
    Mix_SetSoundFonts(nullptr);
    Mix_Quit();
}
