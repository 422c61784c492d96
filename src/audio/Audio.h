#pragma once

#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// Sound over SDL_mixer. Degrades to silence when the mixer or the device cannot be opened.
// The game ships no sounds or music, so only Close runs in a normal game.
class Audio {
public:
    static bool Init();
    static bool LoadSounds();
    static bool LoadMusic();
    static void PlayMusic(int index);
    static void FreeSounds();
    static void Close();

    static bool IsDisabled() { return _disabled; }

private:
    static bool Disable();

    static bool _disabled;
    static std::vector<Mix_Chunk*> _sounds;
    static std::vector<Mix_Music*> _music;
};
