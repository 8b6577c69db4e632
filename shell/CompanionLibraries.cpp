#include "CompanionLibraries.h"

#include "platform/Cp932.h"
#include "platform/SharedLibrary.h"

#include <vector>

namespace gb {

int MsgBox(Hwnd owner, const std::string& text, const std::string& caption, uint32_t style) {
    using Function = int32_t(intptr_t, const char*, const char*, int32_t);
    static Function* msgBox = nullptr;
    if (!msgBox) msgBox = BindFunction<Function>("Dialog.so", "MsgBox");
    if (!msgBox) return 0;
    return msgBox(owner, Cp932(text).c_str(), Cp932(caption).c_str(), int32_t(style));
}

int InputBox(Hwnd owner, const std::string& prompt, const std::string& caption, const std::string& defaultText,
             std::string& answer) {
    using Function = int32_t(intptr_t, const char*, const char*, const char*, char*);
    static Function* inputBox = nullptr;
    if (!inputBox) inputBox = BindFunction<Function>("Dialog.so", "InputBox");
    answer.clear();
    if (!inputBox) return 0;
    // 255 zero bytes, so that an untouched buffer reads as an empty answer.
    std::vector<char> buffer(256, 0);
    int result = inputBox(owner, Cp932(prompt).c_str(), Cp932(caption).c_str(), Cp932(defaultText).c_str(),
                          buffer.data());
    answer = Utf8(buffer.data());
    return result;
}

std::optional<int32_t> AnsiCharSize(const std::string& text) {
    using Function = int32_t(const char*);
    static Function* measure = nullptr;
    if (!measure) measure = BindFunction<Function>("Varnel.so", "AnsiCharSize");
    if (!measure) return std::nullopt;
    return measure(Cp932(text).c_str());
}

const std::string& AppTitle() {
    static const std::string title = "Glimmerbox";
    return title;
}

} // namespace gb
