// The record is written key by key; a write that fails is said once, and the game goes on.
#include "ui/key_record.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/failure.hpp"

namespace quib {

KeyRecord::KeyRecord(const std::string& path) : path_(path) {
  errno = 0;
  out_.open(path, std::ios::trunc);
  if (!out_) {
    throw Failure("cannot write the record " + path + ": " +
                  std::strerror(errno != 0 ? errno : EIO));
  }
}

void KeyRecord::add(std::int16_t keyCode) {
  out_ << keyCode << '\n';
  out_.flush();
  if (!out_ && !complained_) {
    std::fprintf(stderr, "quib: cannot write the record %s: the keys from here on are lost\n",
                 path_.c_str());
    complained_ = true;
  }
}

}  // namespace quib
