#pragma once
// The effect numbers as albums store them, in the order of the resource strings
// 2100-2115.
namespace gb {

enum EffectNumber : int {
    EffectNone = 0,
    EffectWipeHorizontal = 1,
    EffectWipeVertical = 2,
    EffectWipeFromCentre = 3,
    EffectSlideHorizontal = 4,
    EffectSlideVertical = 5,
    EffectZoomFromCentre = 6,
    EffectDissolve = 7,
    EffectBlindsHorizontal = 8,
    EffectBlindsVertical = 9,
    EffectStripes = 10,
    EffectFade = 11,
    EffectMonotone = 12,
    EffectSepia = 13,
    EffectVivid = 14,
    EffectRandom = 15,
};

// The resource string that names an effect.
constexpr int EffectNameId(int effect) { return 2100 + effect; }

} // namespace gb
