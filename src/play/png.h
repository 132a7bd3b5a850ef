// Writing pictures and frames as PNG files.
#pragma once

#include <cstdint>
#include <string>

namespace play {

// Writes w x h pixels in 0xAARRGGBB as an RGBA PNG. False, with a one-line reason, on failure.
bool writePng(const std::string& path, const uint32_t* argb, int w, int h, std::string& error);

}  // namespace play
