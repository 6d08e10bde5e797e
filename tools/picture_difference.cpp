#include "picture_difference.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace picture {

namespace {

void requireSameSize(const headless::Image& a, const headless::Image& b)
{
    if (a.width() != b.width() || a.height() != b.height())
        throw std::invalid_argument("the pictures differ in size: " + std::to_string(a.width())
                                    + "x" + std::to_string(a.height()) + " and "
                                    + std::to_string(b.width()) + "x" + std::to_string(b.height()));
}

int channelDifference(const headless::Image& a, const headless::Image& b, std::size_t index,
                      std::size_t channel)
{
    return std::abs(a.rgb()[index * 3 + channel] - b.rgb()[index * 3 + channel]);
}

std::size_t pixelCount(const headless::Image& image)
{
    return static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height());
}

} // namespace

bool differs(const headless::Image& a, const headless::Image& b, std::size_t index, int tolerance)
{
    for (std::size_t channel = 0; channel < 3; ++channel)
        if (channelDifference(a, b, index, channel) > tolerance)
            return true;
    return false;
}

Difference compare(const headless::Image& actual, const headless::Image& expected, int tolerance)
{
    requireSameSize(actual, expected);
    std::vector<std::uint8_t> map(expected.rgb().size());
    std::size_t differing = 0;
    int largest = 0;
    for (std::size_t i = 0; i < pixelCount(expected); ++i) {
        for (std::size_t channel = 0; channel < 3; ++channel)
            largest = std::max(largest, channelDifference(actual, expected, i, channel));
        if (differs(actual, expected, i, tolerance)) {
            ++differing;
            map[i * 3] = 255;
            continue;
        }
        for (std::size_t channel = 0; channel < 3; ++channel)
            map[i * 3 + channel] = static_cast<std::uint8_t>(expected.rgb()[i * 3 + channel] / 4);
    }
    return {differing, largest,
            headless::Image(expected.width(), expected.height(), std::move(map))};
}

std::size_t commonChanges(const headless::Image& base, const headless::Image& a,
                          const headless::Image& b)
{
    requireSameSize(base, a);
    requireSameSize(base, b);
    std::size_t common = 0;
    for (std::size_t i = 0; i < pixelCount(base); ++i)
        if (differs(base, a, i, 0) && differs(base, b, i, 0))
            ++common;
    return common;
}

} // namespace picture
