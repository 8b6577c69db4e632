#pragma once
// The nearest palette entry for a colour (least squared distance, the lowest index
// among equals). A palette that holds a colour cube in its first entries (as the
// picture engine's does) is answered per channel by table; any other palette by a
// search that remembers its answers.
#include "BitmapInfo.h"

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace gb {

class PaletteMatcher {
public:
    explicit PaletteMatcher(std::vector<RgbQuad> colours);

    uint8_t Nearest(uint8_t red, uint8_t green, uint8_t blue);

private:
    bool DetectCube();

    std::vector<RgbQuad> colours_;
    bool cube_ = false;
    int cubeSize_ = 0;
    std::array<uint8_t, 256> levelOf_{}; // nearest cube level of a channel value
    std::unordered_map<uint32_t, uint8_t> remembered_;
};

} // namespace gb
