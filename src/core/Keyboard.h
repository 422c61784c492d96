#pragma once

// The down/up state of every SDL 1.2 key symbol up to SDLK_EURO. The driver writes the one
// live table from the event queue; copies of it serve as snapshots of the previous frame.
// Where SDL numbers keys otherwise (the browser's), the platform's translation finds their
// SDL 1.2 entries.
class Keyboard {
public:
    static const int KEY_COUNT = 322;
    // the SDL 1.2 symbol of a symbol as this SDL numbers it
    using Sdl12Symbol = int (*)(int symbol);

    // null: SDL 1.2's own numbering
    explicit Keyboard(Sdl12Symbol sdl12Symbol = nullptr);
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
    int Slot(int key) const;
    bool Entry(int key) const;
    void Set(int key, bool down);

    Sdl12Symbol _sdl12Symbol;
    bool _keys[KEY_COUNT];
};
