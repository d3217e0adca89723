#pragma once
// The controller image: the 32,768 bytes of controller memory every editor reads and writes by
// absolute offset. The array carries one spare element (index 32768) that old offsets may touch;
// it is never loaded, saved or counted.
#include <array>
#include <cstdint>

namespace quillon {

constexpr int kImageBytes = 32768;          // controller memory; the array has one more element
constexpr int kPageBytes = 4096;
constexpr int kPageCount = 8;

class ControllerImage {
public:
    using Bytes = std::array<std::uint8_t, kImageBytes + 1>;

    // All accesses are bounds-checked (0..32768) and throw std::out_of_range otherwise: a bad
    // offset is a programming error and must never become a silent write elsewhere.
    std::uint8_t at(int offset) const;
    void set(int offset, std::uint8_t value);
    std::uint8_t& operator[](int offset);
    std::uint8_t operator[](int offset) const { return at(offset); }

    const Bytes& bytes() const { return bytes_; }
    Bytes& bytes() { return bytes_; }

    // Every byte, the spare one included, back to 0.
    void clear() { bytes_.fill(0); }

private:
    static void check(int offset);
    Bytes bytes_{};
};

ControllerImage& image();   // the one instance for the program's life
void resetImage();          // all zero (tests)
void fillImage(std::uint8_t value);   // every byte, the spare one included
bool imageErased();         // the 32,768 memory bytes are all 0, as an erased controller reads

} // namespace quillon
