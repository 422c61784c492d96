#pragma once

#include "actors/Bit.h"

// A power pellet: a bit drawn half as large again, tinted green. Its hitbox keeps the
// unscaled size, so it is eaten at the same distance as a bit.
class BigBit : public Bit {
public:
    explicit BigBit(const Vector& pos);
    ~BigBit() override {}
};
