// SPDX-License-Identifier: GPL-3.0-or-later
// The byte layer of the .adx format: little-endian fixed-width fields and the
// counted strings, with no padding anywhere.
//
// CArchiveReader never reads past its input and never allocates more than the
// remaining bytes could hold: a read past the end, or a string longer than
// what is left, puts it into the failed state, after which every read yields
// zero or empty. Callers check Failed() once a record is read.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace aerodex {

// The longest run of fixed fields a record has (the pilot's, 150 bytes), with room to spare.
inline constexpr std::size_t kLongestRun = 160;

// Consecutive fixed-width fields decoded from one bounds-checked run, so a
// record's numbers cost one check instead of one per field.
class CFixedRun {
 public:
  explicit CFixedRun(const std::uint8_t* bytes) : p_(bytes) {}
  int U16() { return static_cast<int>(Take(2)); }
  std::int32_t I32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(Take(4))); }
  double F64() { return std::bit_cast<double>(Take(8)); }

 private:
  std::uint64_t Take(int width) {
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i) value = (value << 8) | p_[i];
    p_ += width;
    return value;
  }
  const std::uint8_t* p_;
};

// The same fields encoded into a small buffer that is appended in one go.
class CRunBuilder {
 public:
  void U16(int value) { Put(static_cast<std::uint16_t>(value & 0xFFFF), 2); }
  void I32(std::int32_t value) { Put(static_cast<std::uint32_t>(value), 4); }
  void F64(double value) { Put(std::bit_cast<std::uint64_t>(value), 8); }
  const char* Data() const { return bytes_; }
  std::size_t Size() const { return size_; }

 private:
  void Put(std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) bytes_[size_++] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  char bytes_[kLongestRun];
  std::size_t size_ = 0;
};

class CArchiveReader {
 public:
  explicit CArchiveReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  // A u16 field widened without sign (0 to 65535).
  int ReadU16();
  std::int32_t ReadI32();
  double ReadF64();
  // A counted string; a string marked as 16-bit characters is converted to
  // Windows-1252, characters it cannot hold becoming '?'.
  std::string ReadString();
  // The next size bytes (at most kLongestRun) as a run of fixed fields; zeros once the
  // input is short.
  CFixedRun ReadRun(std::size_t size);

  bool Failed() const { return failed_; }
  std::size_t Remaining() const { return bytes_.size() - pos_; }
  std::size_t Position() const { return pos_; }

 private:
  bool Take(std::size_t count, const std::uint8_t** out);
  std::uint32_t ReadU32();
  std::uint32_t ReadLength();

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

class CArchiveWriter {
 public:
  // The low 16 bits of the value.
  void WriteU16(int value);
  void WriteI32(std::int32_t value);
  void WriteF64(double value);
  // The shortest length form: one byte below 255, FF + u16 below 0xFFFE,
  // otherwise FF FFFF + u32.
  void WriteString(const std::string& text);
  void WriteRun(const CRunBuilder& run) { out_.append(run.Data(), run.Size()); }

  const std::string& Bytes() const { return out_; }
  std::string TakeBytes() { return std::move(out_); }
  void Reserve(std::size_t size) { out_.reserve(size); }

 private:
  void WriteU32(std::uint32_t value);
  std::string out_;
};

}  // namespace aerodex
