// What the browser build's SDL 1.2 (emscripten's) gives differently from SDL's C library,
// for the parts above it that read and report through SDL:
// - SDL_RWFromFile there returns a handle that only its own JavaScript can read, so files
//   are opened here over the C library's streams, which reach the same file system;
// - its SDL_SetError keeps nothing and SDL_GetError always says the same, so the errors
//   of the parts above are kept here, and the log says what the desktop's says;
// - its SDL_mixer keeps no sound-font paths, so there are none to forget.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

static char lastError[1024];

extern "C" void SDL_SetError(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(lastError, sizeof lastError, format, arguments);
    va_end(arguments);
}

extern "C" const char* SDL_GetError() {
    return lastError;
}

extern "C" void SDL_ClearError() {
    lastError[0] = '\0';
}

static FILE* Stream(SDL_RWops* context) {
    return static_cast<FILE*>(context->hidden.unknown.data1);
}

static long Seek(SDL_RWops* context, long offset, int whence) {
    const int origin = whence == RW_SEEK_SET ? SEEK_SET : whence == RW_SEEK_CUR ? SEEK_CUR : SEEK_END;
    if (std::fseek(Stream(context), offset, origin) != 0) {
        return -1;
    }
    return std::ftell(Stream(context));
}

static size_t Read(SDL_RWops* context, void* area, size_t size, size_t count) {
    return std::fread(area, size, count, Stream(context));
}

static size_t Write(SDL_RWops* context, const void* area, size_t size, size_t count) {
    return std::fwrite(area, size, count, Stream(context));
}

static int Close(SDL_RWops* context) {
    const int status = std::fclose(Stream(context));
    std::free(context);
    return status == 0 ? 0 : -1;
}

extern "C" SDL_RWops* SDL_RWFromFile(const char* file, const char* mode) {
    FILE* stream = std::fopen(file, mode);
    if (!stream) {
        SDL_SetError("Couldn't open %s", file);
        return nullptr;
    }
    SDL_RWops* context = static_cast<SDL_RWops*>(std::calloc(1, sizeof(SDL_RWops)));
    context->seek = Seek;
    context->read = Read;
    context->write = Write;
    context->close = Close;
    context->hidden.unknown.data1 = stream;
    return context;
}

extern "C" int Mix_SetSoundFonts(const char*) {
    return 1;
}
