#pragma once
// The rules behind the album property pages that need no window: the editor's caption,
// the gallery count text, the screen size typed as text, the live-filter entries, and
// where a chosen music file ends up.
#include "options/GeneralNaming.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace gb {

// "<title> - <program title>", or the program title alone for an empty title.
std::string AlbumCaption(const std::string& title);

// A number through a format of up to three sections ("positive;negative;zero"), where
// a run of "#" stands for the digits: "全 # 点;<ｴﾗｰ>;(なし)" gives "全 12 点" and "(なし)".
std::string FormatCount(int32_t value, const std::string& format);

// The screen size of a typed text: its leading number rounded and kept within 10 ...
// 1000 (10 when it has none); nullopt when the number does not fit 16 bits, so that
// the size stays as it was.
std::optional<int16_t> ZoomOfText(const std::string& text);

// The entry of the live-filter list for a LiveFilter value (0 for none or an unknown
// value), and the value of an entry.
int LiveFilterEntry(int16_t liveFilter);
int16_t LiveFilterOfEntry(int entry);

// The music file the user chose, in `folder` under `name`. A file of the album folder
// is kept by name; for one elsewhere the user is asked (Yes copies it into the album
// folder and keeps the name, No keeps the full path, Cancel keeps the old music). A
// failed copy offers Abort (`quit` is set), Retry and Ignore. nullopt: Music stays.
std::optional<std::string> MusicOfChoice(const std::string& albumFolder, const std::string& folder,
                                         const std::string& name, const DialogPrompts& prompts,
                                         const std::function<bool(const std::string& from, const std::string& to)>& copy,
                                         bool& quit);

} // namespace gb
