// Reads a fuzz input front to back. An exhausted input reads as zeros, so
// every input, however short, decodes to some scenario.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Exhausted() const { return next_ >= bytes_.size(); }

    std::uint8_t Byte() { return Exhausted() ? 0 : bytes_[next_++]; }

    // A choice among count alternatives.
    std::size_t Pick(std::size_t count) { return Byte() % count; }

    // Little-endian, so a short input fills the low bytes first.
    template <typename T> T Unsigned() {
        T value = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i) {
            value |= static_cast<T>(static_cast<T>(Byte()) << (8 * i));
        }
        return value;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
};
