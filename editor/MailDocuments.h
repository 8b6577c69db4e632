#pragma once
// The simple mail call: opens a new message of the desktop's mail program with files
// attached (xdg-email). The lists are separated by `delimiter`; the titles cannot be
// given to the mail program and are not used.
#include "platform/WindowHandle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gb {

// 0 when the mail program was started, 2 (a general failure) when it was not.
int32_t MAPISendDocuments(Hwnd owner, const std::string& delimiter, const std::string& paths,
                          const std::string& titles, int32_t reserved);

// The files of a delimited list. A piece that is no file is joined with the next one
// until it names a file, so that a file name holding the delimiter is kept whole.
std::vector<std::string> AttachedFiles(const std::string& delimiter, const std::string& paths);

} // namespace gb
