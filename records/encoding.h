// Little-endian encoding of the binary files.
//
// Every binary file is one table written field by field: no header, no
// element count, no alignment padding. Integers are little-endian two's
// complement; reals are IEEE 754; a string field is a 16-bit unsigned byte
// length followed by the bytes. A variant element is a 16-bit tag followed by
// its value: 0 empty (nothing), 2 int16, 3 int32, 4 float32, 5 float64,
// 8 string (16-bit length and bytes).
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace scenario {

inline void EncodeFixed8(char* dst, uint8_t value) { dst[0] = static_cast<char>(value); }

inline void EncodeFixed16(char* dst, uint16_t value) {
  dst[0] = static_cast<char>(value & 0xff);
  dst[1] = static_cast<char>((value >> 8) & 0xff);
}

inline void EncodeFixed32(char* dst, uint32_t value) {
  dst[0] = static_cast<char>(value & 0xff);
  dst[1] = static_cast<char>((value >> 8) & 0xff);
  dst[2] = static_cast<char>((value >> 16) & 0xff);
  dst[3] = static_cast<char>((value >> 24) & 0xff);
}

inline void EncodeFixed64(char* dst, uint64_t value) {
  for (int i = 0; i < 8; ++i) dst[i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

inline void PutFixed8(std::string* dst, uint8_t value) { dst->push_back(static_cast<char>(value)); }

inline void PutFixed16(std::string* dst, uint16_t value) {
  char buf[2];
  EncodeFixed16(buf, value);
  dst->append(buf, 2);
}

inline void PutFixed32(std::string* dst, uint32_t value) {
  char buf[4];
  EncodeFixed32(buf, value);
  dst->append(buf, 4);
}

inline void PutFixed64(std::string* dst, uint64_t value) {
  char buf[8];
  EncodeFixed64(buf, value);
  dst->append(buf, 8);
}

inline void PutInt16(std::string* dst, int16_t value) { PutFixed16(dst, static_cast<uint16_t>(value)); }
inline void PutInt32(std::string* dst, int32_t value) { PutFixed32(dst, static_cast<uint32_t>(value)); }
inline void PutFloat32(std::string* dst, float value) { PutFixed32(dst, std::bit_cast<uint32_t>(value)); }
inline void PutFloat64(std::string* dst, double value) { PutFixed64(dst, std::bit_cast<uint64_t>(value)); }

// A record's string field. The caller guarantees bytes.size() <= 65535; the
// readers refuse longer texts before they reach a table.
inline void PutStringField(std::string* dst, std::string_view bytes) {
  PutFixed16(dst, static_cast<uint16_t>(bytes.size()));
  dst->append(bytes.data(), bytes.size());
}

inline void PutVariantEmpty(std::string* dst) { PutFixed16(dst, 0); }
inline void PutVariantInt16(std::string* dst, int16_t v) { PutFixed16(dst, 2); PutInt16(dst, v); }
inline void PutVariantInt32(std::string* dst, int32_t v) { PutFixed16(dst, 3); PutInt32(dst, v); }
inline void PutVariantFloat32(std::string* dst, float v) { PutFixed16(dst, 4); PutFloat32(dst, v); }
inline void PutVariantFloat64(std::string* dst, double v) { PutFixed16(dst, 5); PutFloat64(dst, v); }
inline void PutVariantString(std::string* dst, std::string_view s) {
  PutFixed16(dst, 8);
  PutStringField(dst, s);
}

inline uint16_t DecodeFixed16(const char* p) {
  return static_cast<uint16_t>(static_cast<uint8_t>(p[0]) | (static_cast<uint8_t>(p[1]) << 8));
}

inline uint32_t DecodeFixed32(const char* p) {
  return static_cast<uint32_t>(static_cast<uint8_t>(p[0])) |
         (static_cast<uint32_t>(static_cast<uint8_t>(p[1])) << 8) |
         (static_cast<uint32_t>(static_cast<uint8_t>(p[2])) << 16) |
         (static_cast<uint32_t>(static_cast<uint8_t>(p[3])) << 24);
}

inline uint64_t DecodeFixed64(const char* p) {
  return static_cast<uint64_t>(DecodeFixed32(p)) | (static_cast<uint64_t>(DecodeFixed32(p + 4)) << 32);
}

}  // namespace scenario
