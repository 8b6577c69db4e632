#pragma once
// Access to one INI-format file (the settings, the plug-in list, Internet shortcuts).
// Texts are UTF-8 here and CP932 in the file. Operations report no errors.
#include <cstdint>
#include <string>
#include <type_traits>

namespace gb {

class ClassProfiler {
public:
    std::string ProfilePath;

    int32_t ReadProfileNums(const std::string& section, const std::string& key, int32_t defaultValue) const;
    // The value, cut to its first 254 bytes in the file; the default when the key is missing.
    std::string ReadProfileChars(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const;
    // "YES" (any letter case) is true, "NO" false, anything else false.
    bool ReadProfileBool(const std::string& section, const std::string& key, bool defaultValue) const;

    void WriteProfile(const std::string& section, const std::string& key, bool value) const;
    void WriteProfile(const std::string& section, const std::string& key, const std::string& value) const;
    void WriteProfile(const std::string& section, const std::string& key, const char* value) const {
        WriteProfile(section, key, std::string(value));
    }
    template <class Number, std::enable_if_t<std::is_arithmetic_v<Number> && !std::is_same_v<Number, bool>, int> = 0>
    void WriteProfile(const std::string& section, const std::string& key, Number value) const {
        if constexpr (std::is_integral_v<Number>) WriteProfile(section, key, std::to_string(static_cast<long long>(value)));
        else WriteProfile(section, key, NumberText(double(value)));
    }

    void ClearProfileSection(const std::string& section) const;
    void ClearProfileKey(const std::string& section, const std::string& key) const;

private:
    static std::string NumberText(double value);
};

} // namespace gb
