#pragma once
// The program's random numbers: a generator seeded once at start-up, which tests can
// replace with a source of their own.
#include <cstdint>

namespace gb {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number in [0, 1).
    virtual double Next() = 0;
};

// Seeds the generator of the program.
void Randomize(uint32_t seed);
// The next number in [0, 1) from the source in use.
double Rnd();
// nullptr goes back to the program's generator. The caller keeps ownership.
void SetRandomSource(RandomSource* source);

} // namespace gb
