#include "quillonedit/image/ControllerImage.h"

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

} // namespace quillon
