#pragma once

// A position or displacement in pixels; y grows downwards. Every position in the game has z = 0.
struct Vector {
    float x = 0;
    float y = 0;
    float z = 0;
};

// A tint, each channel 0 to 1.
struct Colour {
    float r = 1;
    float g = 1;
    float b = 1;
    float a = 1;
};

// Where an entity is (its centre) and how it is drawn.
struct Transform {
    Vector pos;
    Vector scale{1, 1, 0};
    float rotation = 0; // degrees
};
