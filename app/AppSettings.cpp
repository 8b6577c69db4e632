#include "AppSettings.h"

#include "ClassProfiler.h"
#include "platform/Folders.h"
#include "shell/GeneralWin32ExAPI.h"

#include <cerrno>
#include <cstdlib>

namespace gb {

AppSettingsRecord AppSettings;

namespace {

const char kMain[] = "Main";

// A placement piece as a number: optional blanks and sign, then decimal digits only.
bool PieceNumber(const std::string& piece, long& value) {
    const char* begin = piece.c_str();
    while (*begin == ' ' || *begin == '\t') ++begin;
    if (!*begin) return false;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(begin, &end, 10);
    while (end && (*end == ' ' || *end == '\t')) ++end;
    if (errno != 0 || !end || *end) return false;
    value = v;
    return true;
}

// Fields whose piece is missing or not a number keep their value.
void ReadPlacement(const ClassProfiler& profiler, const char* section, PlacementRecord& placement, int fields) {
    std::vector<std::string> pieces = SplitList(profiler.ReadProfileChars(section, "Placement", ""), ",", BinaryCompare);
    int16_t* shorts[] = {&placement.Left, &placement.Top, &placement.Width, &placement.Height};
    long value = 0;
    if (!pieces.empty() && PieceNumber(pieces[0], value)) placement.State = int32_t(value);
    for (int i = 1; i < fields && size_t(i) < pieces.size(); ++i)
        if (PieceNumber(pieces[i], value)) *shorts[i - 1] = int16_t(uint16_t(value));
}

std::string PlacementText(const PlacementRecord& p, int fields) {
    std::vector<std::string> pieces = {std::to_string(p.State), std::to_string(p.Left), std::to_string(p.Top),
                                       std::to_string(p.Width), std::to_string(p.Height)};
    pieces.resize(size_t(fields));
    return JoinList(pieces, ",");
}

int16_t Low16(int32_t v) { return int16_t(uint16_t(uint32_t(v))); }
uint8_t Low8(int32_t v) { return uint8_t(uint32_t(v)); }

} // namespace

std::string SettingsFile() { return SettingsFolder() + "/Glimmerbox.INI"; }

void LoadSettings() {
    ClassProfiler profiler;
    profiler.ProfilePath = SettingsFile();
    AppSettingsRecord& s = AppSettings;
    s.X = Low16(profiler.ReadProfileNums(kMain, "X", 0));
    s.Y = Low16(profiler.ReadProfileNums(kMain, "Y", 0));
    s.AlphaBlend = profiler.ReadProfileNums(kMain, "AlphaBlend", 100);
    s.Clip = profiler.ReadProfileNums(kMain, "Clip", 0);
    s.Theater = profiler.ReadProfileNums(kMain, "Theater", 0);
    s.Random = profiler.ReadProfileNums(kMain, "Random", 0);
    s.Repeat = profiler.ReadProfileNums(kMain, "Repeat", 0);
    s.QuickViewer = profiler.ReadProfileBool(kMain, "QuickViewer", false);
    s.SmartViewer = profiler.ReadProfileBool(kMain, "SmartViewer", false);
    s.Effect = Low8(profiler.ReadProfileNums(kMain, "Effect", 0));
    s.Quality = Low8(profiler.ReadProfileNums(kMain, "Quality", 50));
    s.NonCreatableStream = profiler.ReadProfileBool(kMain, "NonCreatableStream", false);
    s.v1Compatible = profiler.ReadProfileBool(kMain, "v1Compatible", false);
    s.Suspending = profiler.ReadProfileBool(kMain, "Suspending", false);

    ReadPlacement(profiler, "Theater", s.TheaterPlacement, 3);
    ReadPlacement(profiler, "Thumbnail", s.ThumbnailPlacement, 5);

    // A negative count cannot size a list; it reads as an empty history.
    s.History.Count = Low16(profiler.ReadProfileNums("History", "Recent", 0));
    if (s.History.Count < 0) s.History.Count = 0;
    s.History.List.assign(size_t(s.History.Count), std::string());
    for (int i = 1; i <= s.History.Count; ++i)
        s.History.List[size_t(i - 1)] = profiler.ReadProfileChars("History", std::to_string(i), "");

    s.Favorites.Count = Low16(profiler.ReadProfileNums("Favorite", "Family", 0));
    if (s.Favorites.Count < 0) s.Favorites.Count = 0;
    s.Favorites.Numbers.assign(size_t(s.Favorites.Count), 0);
    s.Favorites.Texts.assign(size_t(s.Favorites.Count), std::string());
}

void SaveSettings() {
    ClassProfiler profiler;
    profiler.ProfilePath = SettingsFile();
    AppSettingsRecord& s = AppSettings;
    profiler.WriteProfile(kMain, "X", s.X);
    profiler.WriteProfile(kMain, "Y", s.Y);
    profiler.WriteProfile(kMain, "Clip", s.Clip);
    profiler.WriteProfile(kMain, "Theater", s.Theater);
    profiler.WriteProfile(kMain, "Random", s.Random);
    profiler.WriteProfile(kMain, "Repeat", s.Repeat);
    profiler.WriteProfile(kMain, "QuickViewer", s.QuickViewer);
    profiler.WriteProfile(kMain, "SmartViewer", s.SmartViewer);
    profiler.WriteProfile(kMain, "Effect", s.Effect);
    profiler.WriteProfile(kMain, "Quality", s.Quality);
    profiler.WriteProfile(kMain, "NonCreatableStream", s.NonCreatableStream);
    profiler.WriteProfile(kMain, "v1Compatible", s.v1Compatible);
    profiler.WriteProfile(kMain, "Suspending", s.Suspending);

    profiler.WriteProfile("Theater", "Placement", PlacementText(s.TheaterPlacement, 3));
    profiler.WriteProfile("Thumbnail", "Placement", PlacementText(s.ThumbnailPlacement, 5));

    profiler.ClearProfileSection("History");
    profiler.WriteProfile("History", "Recent", s.History.Count);
    for (int i = 1; i <= s.History.Count && size_t(i) <= s.History.List.size(); ++i)
        profiler.WriteProfile("History", std::to_string(i), s.History.List[size_t(i - 1)]);
    s.History.List.clear();

    profiler.ClearProfileSection("Favorite");
    profiler.WriteProfile("Favorite", "Family", s.Favorites.Count);
    s.Favorites.Numbers.clear();
    s.Favorites.Texts.clear();
}

} // namespace gb
