// The record is written key by key beside its place; a write that fails is said at once, and
// the game goes on.
#include "ui/key_record.hpp"

#include <exception>

#include "formats/message.hpp"
#include "platform/failure.hpp"

namespace quib {

KeyRecord::KeyRecord(const std::string& path) : path_(path), out_(path) {
  if (!out_.ok()) {
    throw Failure("cannot write the record " + path + ": " + out_.error());
  }
}

KeyRecord::~KeyRecord() {
  if (finished_ || !anyKey_) {
    return;
  }
  try {
    finish();
  } catch (const std::exception& failure) {
    sayLine("quib", failure.what());
  }
}

void KeyRecord::add(std::int16_t keyCode) {
  anyKey_ = true;
  if (!out_.write(std::to_string(keyCode) + '\n') && !complained_) {
    sayLine("quib",
            "cannot write the record " + path_ + ": " + out_.error() + "; it will not be kept");
    complained_ = true;
  }
}

void KeyRecord::finish() {
  finished_ = true;
  if (!out_.commit()) {
    throw Failure("cannot write the record " + path_ + ": " + out_.error());
  }
}

}  // namespace quib
