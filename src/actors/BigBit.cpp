#include "actors/BigBit.h"

BigBit::BigBit(const Vector& pos) : Bit(pos) {
    _transform->scale = Vector{1.5f, 1.5f, 1.5f};
    _type = TYPE_BIGBIT;
    _colour = Colour{0.5f, 1.0f, 0.5f, 1.0f};
}
