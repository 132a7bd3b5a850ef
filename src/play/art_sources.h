// The text pixel maps of src/play/art/, compiled into the program by the build.
#pragma once

#include <span>

namespace play {

struct ArtSource {
  const char* file;  // the map's file name, for messages
  const char* text;  // the whole file
};

// Every map, in file-name order. Defined in a source file that the build writes.
std::span<const ArtSource> artSources();

}  // namespace play
