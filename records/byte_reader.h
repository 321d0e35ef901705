// A bounded little-endian cursor over the bytes of a compiled file. Every
// read checks the bytes left first and reports false instead of reading past
// the end, so a truncated file can never take a decoder outside its buffer.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/encoding.h"

namespace scenario {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  size_t offset() const { return offset_; }
  size_t remaining() const { return bytes_.size() - offset_; }
  bool AtEnd() const { return offset_ == bytes_.size(); }

  bool ReadU8(uint8_t* value) {
    if (remaining() < 1) return false;
    *value = static_cast<uint8_t>(bytes_[offset_]);
    offset_ += 1;
    return true;
  }
  bool ReadU16(uint16_t* value) {
    if (remaining() < 2) return false;
    *value = DecodeFixed16(bytes_.data() + offset_);
    offset_ += 2;
    return true;
  }
  bool ReadI16(int16_t* value) {
    uint16_t raw;
    if (!ReadU16(&raw)) return false;
    *value = static_cast<int16_t>(raw);
    return true;
  }
  bool ReadI32(int32_t* value) {
    if (remaining() < 4) return false;
    *value = static_cast<int32_t>(DecodeFixed32(bytes_.data() + offset_));
    offset_ += 4;
    return true;
  }
  bool ReadF32(float* value) {
    if (remaining() < 4) return false;
    *value = std::bit_cast<float>(DecodeFixed32(bytes_.data() + offset_));
    offset_ += 4;
    return true;
  }
  bool ReadF64(double* value) {
    if (remaining() < 8) return false;
    *value = std::bit_cast<double>(DecodeFixed64(bytes_.data() + offset_));
    offset_ += 8;
    return true;
  }
  // A string field: 16-bit byte length, then the bytes.
  bool ReadStringField(std::string* value) {
    uint16_t length;
    size_t start = offset_;
    if (!ReadU16(&length)) return false;
    if (remaining() < length) {
      offset_ = start;
      return false;
    }
    value->assign(bytes_.data() + offset_, length);
    offset_ += length;
    return true;
  }

 private:
  std::string_view bytes_;
  size_t offset_ = 0;
};

}  // namespace scenario
