#include "play/png.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace play {

namespace {
struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
}  // namespace

bool writePng(const std::string& path, const uint32_t* argb, int w, int h, std::string& error) {
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    error = "cannot write " + path;
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    error = "out of memory writing " + path;
    return false;
  }
  std::vector<unsigned char> row(static_cast<size_t>(w) * 4);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    error = "cannot write " + path;
    return false;
  }
  png_init_io(png, file.get());
  // Frames are written often: speed beats size. Flat-coloured game frames compress well
  // without row filters.
  png_set_compression_level(png, 1);
  png_set_filter(png, 0, PNG_FILTER_NONE);
  png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint32_t p = argb[static_cast<size_t>(y) * w + x];
      row[x * 4 + 0] = static_cast<unsigned char>(p >> 16);
      row[x * 4 + 1] = static_cast<unsigned char>(p >> 8);
      row[x * 4 + 2] = static_cast<unsigned char>(p);
      row[x * 4 + 3] = static_cast<unsigned char>(p >> 24);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace play
