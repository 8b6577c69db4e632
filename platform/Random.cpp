#include "Random.h"

#include <random>

namespace gb {
namespace {

class Generator : public RandomSource {
public:
    double Next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); }
    std::mt19937 engine{5489u};
};

Generator generator;
RandomSource* current = &generator;

} // namespace

void Randomize(uint32_t seed) { generator.engine.seed(seed); }
double Rnd() { return current->Next(); }
void SetRandomSource(RandomSource* source) { current = source ? source : &generator; }

} // namespace gb
