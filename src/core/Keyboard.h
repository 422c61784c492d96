#pragma once

// The down/up state of every SDL 1.2 key symbol up to SDLK_EURO. The driver writes the one
// live table from the event queue; copies of it serve as snapshots of the previous frame.
// Where SDL numbers the keys without a character the newer way (scan code + 1024, as
// emscripten's SDL 1.2 does), those keys find their SDL 1.2 entries.
class Keyboard {
public:
    static const int KEY_COUNT = 322;

    Keyboard();
    Keyboard(const Keyboard& other) = default;

    // writing: symbols outside the table are ignored
    void KeyPress(int key);
    void KeyRelease(int key);

    // reading: a char reaches the ASCII symbols only; bytes above 127 read as up
    bool IsPressed(char key) const;
    bool IsReleased(char key) const;
    // any symbol of the table, such as the arrow keys; symbols outside it read as up
    bool IsDown(int key) const;
    bool Shift() const;
    bool Ctrl() const;
    bool Alt() const;

private:
    // the table's entry for a symbol, or -1 for none
    static int Slot(int key);
    bool Entry(int key) const;
    void Set(int key, bool down);

    bool _keys[KEY_COUNT];
};
