// PNG pictures written from memory pictures, through the formats' encoder on libpng: the
// desktop's programs write them, the browser does not.
#include <string>

#include "formats/png_encode.hpp"
#include "platform/failure.hpp"
#include "platform/picture_file.hpp"

namespace quib {

void writePng(const Image& image, OutputFile& out, const std::string& path) {
  const std::string error = writePng(pixelView(image), out);
  if (!error.empty()) {
    throw Failure("cannot write picture " + path + ": " + error);
  }
}

void savePng(const Image& image, const std::string& path) {
  OutputFile out(path);
  writePng(image, out, path);
}

}  // namespace quib
