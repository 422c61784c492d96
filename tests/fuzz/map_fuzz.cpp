// The maze loader on arbitrary bytes: at most one object per cell, each at a cell centre,
// in file order, and of the type of its byte.
#include "app/Game.h"
#include "core/Keyboard.h"
#include "level/Map.h"
#include "support/LogCapture.h"
#include "support/ScratchState.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

static char TypeByte(EntityType type) {
    switch (type) {
    case TYPE_WALL:
        return 'X';
    case TYPE_BIT:
        return 'D';
    case TYPE_BIGBIT:
        return 'B';
    default:
        return '?';
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static LogCapture log; // the loader's lines, kept out of the fuzzer's output
    log.Clear();

    ScratchState scratch;
    Map map(Vector{0, 0, 0});
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    map.ReadMap(in);

    const auto& objects = scratch.State().GetGameObjects();
    if (objects.size() > 31 * 28) {
        abort();
    }
    // every X, D or B byte read makes one object and no other byte makes any, so the
    // objects follow the first such bytes of the input
    size_t next = 0;
    float lastX = -1, lastY = -1;
    for (const GameObject* object : objects) {
        while (next < size && data[next] != 'X' && data[next] != 'D' && data[next] != 'B') {
            ++next;
        }
        if (next == size || TypeByte(object->GetType()) != static_cast<char>(data[next])) {
            abort();
        }
        ++next;
        const float x = object->GetPos().x;
        const float y = object->GetPos().y;
        const int column = static_cast<int>(x - 8) / 16;
        const int row = static_cast<int>(y - 8) / 16;
        if (x != 8 + 16 * column || y != 8 + 16 * row || column < 0 || column >= 28 || row < 0 || row >= 31) {
            abort();
        }
        if (!(y > lastY || (y == lastY && x > lastX))) {
            abort();
        }
        lastX = x;
        lastY = y;
    }
    return 0;
}
