#include "quillonedit/image/ControllerImage.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace quillon {

void ControllerImage::check(int offset)
{
    if (offset < 0 || offset > kImageBytes)
        throw std::out_of_range("image offset " + std::to_string(offset));
}

std::uint8_t ControllerImage::at(int offset) const
{
    check(offset);
    return bytes_[static_cast<std::size_t>(offset)];
}

void ControllerImage::set(int offset, std::uint8_t value)
{
    check(offset);
    bytes_[static_cast<std::size_t>(offset)] = value;
}

std::uint8_t& ControllerImage::operator[](int offset)
{
    check(offset);
    return bytes_[static_cast<std::size_t>(offset)];
}

ControllerImage& image()
{
    static ControllerImage instance;
    return instance;
}

void resetImage()
{
    image().clear();
}

void fillImage(std::uint8_t value)
{
    image().bytes().fill(value);
}

bool imageErased()
{
    const auto& bytes = image().bytes();
    return std::all_of(bytes.begin(), bytes.begin() + kImageBytes, [](std::uint8_t b) { return b == 0; });
}

} // namespace quillon
