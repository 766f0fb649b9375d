#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {
class Picture;
}

namespace ImagePlayEffectsLibrary {

// A width x height picture filled with a linear gradient through the
// colour stops (&hRRGGBB), from top to bottom when vertical, else from left
// to right. The stops are spread over equal segments; each segment starts
// at its colour and stops one step short of the next. Nothing when there
// are fewer than two colours or the size allows no picture.
std::unique_ptr<platform::Picture> GradientWipe(int32_t width, int32_t height, bool vertical,
                                                const std::vector<uint32_t>& colours);

}  // namespace ImagePlayEffectsLibrary
