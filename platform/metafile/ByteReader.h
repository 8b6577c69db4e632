#pragma once
// Little-endian reading from a byte span that never reads past its end. A read beyond
// the end yields zero and marks the reader as failed, so a record parser can read all
// its fields first and look at Ok() once.
#include <cstdint>
#include <cstring>
#include <span>

namespace gb {

class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    size_t Position() const { return pos_; }
    size_t Size() const { return bytes_.size(); }
    size_t Remaining() const { return pos_ <= bytes_.size() ? bytes_.size() - pos_ : 0; }
    bool Ok() const { return ok_; }
    std::span<const uint8_t> Bytes() const { return bytes_; }

    void Seek(size_t position) {
        if (position > bytes_.size()) {
            ok_ = false;
            pos_ = bytes_.size();
        } else {
            pos_ = position;
        }
    }
    void Skip(size_t count) {
        if (count > Remaining()) {
            ok_ = false;
            pos_ = bytes_.size();
        } else {
            pos_ += count;
        }
    }

    uint8_t U8() { return uint8_t(Read(1)); }
    uint16_t U16() { return uint16_t(Read(2)); }
    int16_t S16() { return int16_t(uint16_t(Read(2))); }
    uint32_t U32() { return uint32_t(Read(4)); }
    int32_t S32() { return int32_t(uint32_t(Read(4))); }
    float F32() {
        uint32_t bits = U32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // The next `count` bytes, or an empty span (and failure) when fewer remain.
    std::span<const uint8_t> Take(size_t count) {
        if (count > Remaining()) {
            ok_ = false;
            pos_ = bytes_.size();
            return {};
        }
        std::span<const uint8_t> part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }
    // The bytes from `offset` on, `count` long, without moving; empty when out of range.
    std::span<const uint8_t> At(size_t offset, size_t count) const {
        if (offset > bytes_.size() || count > bytes_.size() - offset) return {};
        return bytes_.subspan(offset, count);
    }

private:
    uint64_t Read(int width) {
        if (size_t(width) > Remaining()) {
            ok_ = false;
            pos_ = bytes_.size();
            return 0;
        }
        uint64_t value = 0;
        for (int i = 0; i < width; ++i) value |= uint64_t(bytes_[pos_ + i]) << (8 * i);
        pos_ += width;
        return value;
    }

    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
    bool ok_ = true;
};

} // namespace gb
