#pragma once
// Desktop facts and the start-up settings of the program's look: screen units, font
// names, the Japanese locale, system colours.
#include <cstdint>
#include <string>

namespace gb {

// 1440 divided by the screen's logical dots per inch (15 at 96 DPI).
int TwipsPerPixelX();
int TwipsPerPixelY();

// Maps the Windows font names the program uses to the fonts of this desktop ("MS UI
// Gothic" and "ＭＳ Ｐゴシック" to IPA P Gothic, "ＭＳ Ｐ明朝" to IPA P Mincho, "Tahoma"
// to DejaVu Sans), so that widgets may name them directly. Called once at start.
void InstallFontSubstitutions();
// The family this desktop uses for `name`.
std::string MapFontName(const std::string& name);

// The program's own widgets (calendars, dates) speak Japanese whatever the desktop's
// locale is.
void InstallJapaneseLocale();

// The hourglass pointer over the whole program while on.
void SetBusyCursor(bool on);

// The colour of a platform system-colour index (COLOR_BTNFACE = 15 ...) as 0x00BBGGRR.
uint32_t GetSysColor(int index);

} // namespace gb
