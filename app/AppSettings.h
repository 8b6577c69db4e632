#pragma once
// The program's settings: one record, read from Glimmerbox.INI once at start-up and
// written back once at exit. Everything else reads and changes the record in memory.
#include <cstdint>
#include <string>
#include <vector>

namespace gb {

struct PlacementRecord {
    int32_t State = 0; // 0 normal, 2 maximised
    int16_t Left = 0, Top = 0, Width = 0, Height = 0; // twips
};

struct HistoryList {
    int16_t Count = 0;
    std::vector<std::string> List; // entries 1..Count at indexes 0..Count-1
};

struct FavoriteLists {
    int16_t Count = 0;
    std::vector<int16_t> Numbers;   // filled from the library list file
    std::vector<std::string> Texts;
};

struct AppSettingsRecord {
    int16_t X = 0;
    int16_t Y = 0;
    int32_t AlphaBlend = 0;
    int32_t Clip = 0;
    int32_t Theater = 0;
    int32_t Random = 0;
    int32_t Repeat = 0;
    bool QuickViewer = false;
    bool SmartViewer = false;
    uint8_t Effect = 0;
    uint8_t Quality = 0;
    bool NonCreatableStream = false;
    bool v1Compatible = false;
    bool Suspending = false;
    PlacementRecord TheaterPlacement;
    PlacementRecord ThumbnailPlacement;
    HistoryList History;
    FavoriteLists Favorites;
};

extern AppSettingsRecord AppSettings;

// The full path of Glimmerbox.INI in the settings folder.
std::string SettingsFile();

void LoadSettings();
void SaveSettings();

} // namespace gb
