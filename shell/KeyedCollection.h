#pragma once
// A small keyed collection of the values a service hands back: texts and pictures,
// kept in the order they were added. Keys compare without regard to letter case.
#include "platform/Unicode.h"
#include "platform/draw/Picture.h"

#include <cstddef>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace gb {

class KeyedCollection {
public:
    using Value = std::variant<std::string, Picture>;

    // False (and nothing added) when the key is there already.
    bool Add(const std::string& key, Value value) {
        if (Find(key)) return false;
        items_.emplace_back(key, std::move(value));
        return true;
    }
    size_t Count() const { return items_.size(); }
    const std::string& KeyAt(size_t index) const { return items_.at(index).first; }
    // The value of `key`; nullptr when there is none.
    const Value* Find(const std::string& key) const {
        for (const auto& [k, v] : items_)
            if (SameKey(k, key)) return &v;
        return nullptr;
    }
    const std::string* Text(const std::string& key) const {
        const Value* v = Find(key);
        return v ? std::get_if<std::string>(v) : nullptr;
    }
    const Picture* Image(const std::string& key) const {
        const Value* v = Find(key);
        return v ? std::get_if<Picture>(v) : nullptr;
    }

private:
    static bool SameKey(const std::string& a, const std::string& b) {
        size_t i = 0, j = 0;
        while (i < a.size() && j < b.size()) {
            size_t ni = 1, nj = 1;
            if (FoldCase(DecodeUtf8(a, i, ni)) != FoldCase(DecodeUtf8(b, j, nj))) return false;
            i += ni;
            j += nj;
        }
        return i == a.size() && j == b.size();
    }
    std::vector<std::pair<std::string, Value>> items_;
};

} // namespace gb
