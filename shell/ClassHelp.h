#pragma once
// The help service object: shows the program's help file in the help viewer, by
// contents, topic number, pop-up topic, topics dialog or keyword. Releasing it leaves
// the viewer open; Quit closes it.
#include "platform/WindowHandle.h"

#include <cstdint>
#include <string>

namespace gb {

class ClassHelp {
public:
    Hwnd hOwnerWnd = 0;
    std::string Path;

    void Start(int32_t ContextID); // the topic, or the contents for 0
    void Quit();
    void MenuDialog();
    void KeywordDialog(const std::string& Keyword);
    void PopupHelp(int32_t ContextID);
    void HowTo();
};

} // namespace gb
