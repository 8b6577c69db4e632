#pragma once
// Printer settings in the platform's device-mode terms (the numbers the program and
// its dialogs use), and their meaning for a Qt printer.
#include <cstdint>
#include <string>

class QPrinter;

namespace gb {

// Which fields of a DeviceMode are set.
enum DeviceModeField : uint32_t {
    DM_ORIENTATION = 0x1,
    DM_PAPERSIZE = 0x2,
    DM_SCALE = 0x10,
    DM_COPIES = 0x100,
    DM_DEFAULTSOURCE = 0x200,
    DM_PRINTQUALITY = 0x400,
    DM_COLOR = 0x800,
    DM_DUPLEX = 0x1000,
    DM_COLLATE = 0x8000,
};

enum : int16_t { DMORIENT_PORTRAIT = 1, DMORIENT_LANDSCAPE = 2 };
enum : int16_t { DMCOLOR_MONOCHROME = 1, DMCOLOR_COLOR = 2 };
enum : int16_t { DMDUP_SIMPLEX = 1, DMDUP_VERTICAL = 2, DMDUP_HORIZONTAL = 3 };
// Print qualities below zero; a positive quality is dots per inch.
enum : int16_t { DMRES_DRAFT = -1, DMRES_LOW = -2, DMRES_MEDIUM = -3, DMRES_HIGH = -4 };
// Paper bins (sources).
enum : int16_t {
    DMBIN_UPPER = 1, DMBIN_LOWER = 2, DMBIN_MIDDLE = 3, DMBIN_MANUAL = 4, DMBIN_ENVELOPE = 5,
    DMBIN_ENVMANUAL = 6, DMBIN_AUTO = 7, DMBIN_TRACTOR = 8, DMBIN_SMALLFMT = 9, DMBIN_LARGEFMT = 10,
    DMBIN_LARGECAPACITY = 11, DMBIN_CASSETTE = 14, DMBIN_FORMSOURCE = 15,
};
// A few paper sizes (the others follow the platform's numbering as well).
enum : int16_t { DMPAPER_LETTER = 1, DMPAPER_LEGAL = 5, DMPAPER_A3 = 8, DMPAPER_A4 = 9, DMPAPER_A5 = 11, DMPAPER_B5 = 13 };

struct DeviceMode {
    std::string DeviceName;
    uint32_t Fields = 0;
    int16_t Orientation = 0;
    int16_t PaperSize = 0;
    int16_t Scale = 0; // percent
    int16_t Copies = 0;
    int16_t DefaultSource = 0;
    int16_t PrintQuality = 0;
    int16_t Color = 0;
    int16_t Duplex = 0;
    int16_t Collate = 0; // 1 collates copies
};

// Gives `printer` the fields `mode` marks; values the printer cannot take (an unknown
// paper size, a duplex mode it lacks) leave its setting as it is. The scale is not a
// printer setting here: the printer canvas applies it.
void ApplyDeviceMode(const DeviceMode& mode, QPrinter& printer);

// The settings of `printer`, every field but the scale marked; the scale is 100.
DeviceMode DeviceModeOf(const QPrinter& printer);

// Dots per inch for a print quality (positive values are dots per inch already).
int ResolutionOfQuality(int16_t quality);

} // namespace gb
