#include "PaletteMatcher.h"

#include <climits>
#include <cstdlib>

namespace gb {

PaletteMatcher::PaletteMatcher(std::vector<RgbQuad> colours) : colours_(std::move(colours)) {
    if (colours_.empty()) colours_.push_back(RgbQuad{});
    if (colours_.size() > 256) colours_.resize(256);
    cube_ = DetectCube();
}

// A cube of n levels per channel: entry n*n*i + n*j + k is (blue L[i], green L[j],
// red L[k]) with rising levels L, and every later entry repeats a cube colour.
// Then the nearest entry is found channel by channel.
bool PaletteMatcher::DetectCube() {
    for (int n = 6; n >= 2; --n) {
        const size_t count = size_t(n) * n * n;
        if (colours_.size() < count) continue;
        std::vector<int> levels(n);
        bool ok = true;
        for (int i = 0; i < n && ok; ++i) {
            levels[i] = colours_[size_t(n) * n * i].rgbBlue;
            if (i > 0 && levels[i] <= levels[i - 1]) ok = false;
        }
        for (int i = 0; i < n && ok; ++i)
            for (int j = 0; j < n && ok; ++j)
                for (int k = 0; k < n && ok; ++k) {
                    const RgbQuad& c = colours_[size_t(n) * n * i + size_t(n) * j + k];
                    ok = c.rgbBlue == levels[i] && c.rgbGreen == levels[j] && c.rgbRed == levels[k];
                }
        // Later entries must not offer a colour outside the cube, or they could be
        // nearer; repeating a cube colour never wins over its lower index.
        auto isLevel = [&](int v) {
            for (int l : levels)
                if (l == v) return true;
            return false;
        };
        for (size_t e = count; e < colours_.size() && ok; ++e)
            ok = isLevel(colours_[e].rgbBlue) && isLevel(colours_[e].rgbGreen) && isLevel(colours_[e].rgbRed);
        if (!ok) continue;
        cubeSize_ = n;
        for (int v = 0; v < 256; ++v) {
            int best = 0;
            for (int l = 1; l < n; ++l)
                if (std::abs(v - levels[l]) < std::abs(v - levels[best])) best = l;
            levelOf_[v] = uint8_t(best);
        }
        return true;
    }
    return false;
}

uint8_t PaletteMatcher::Nearest(uint8_t red, uint8_t green, uint8_t blue) {
    if (cube_) {
        const int n = cubeSize_;
        return uint8_t(levelOf_[blue] * n * n + levelOf_[green] * n + levelOf_[red]);
    }
    const uint32_t key = uint32_t(red) | uint32_t(green) << 8 | uint32_t(blue) << 16;
    auto it = remembered_.find(key);
    if (it != remembered_.end()) return it->second;
    int best = 0;
    long bestDistance = LONG_MAX;
    for (size_t e = 0; e < colours_.size(); ++e) {
        const long dr = long(red) - colours_[e].rgbRed;
        const long dg = long(green) - colours_[e].rgbGreen;
        const long db = long(blue) - colours_[e].rgbBlue;
        const long distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) bestDistance = distance, best = int(e);
    }
    if (remembered_.size() >= (1u << 20)) remembered_.clear(); // keep the memory bounded
    remembered_.emplace(key, uint8_t(best));
    return uint8_t(best);
}

} // namespace gb
