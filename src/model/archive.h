// The byte layer of the .adx format: little-endian fixed-width fields and the
// counted strings, with no padding anywhere.
//
// CArchiveReader never reads past its input and never allocates more than the
// remaining bytes could hold: a read past the end, or a string longer than
// what is left, puts it into the failed state, after which every read yields
// zero or empty. Callers check Failed() once a record is read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace aerodex {

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

  const std::string& Bytes() const { return out_; }
  std::string TakeBytes() { return std::move(out_); }
  void Reserve(std::size_t size) { out_.reserve(size); }

 private:
  void WriteU32(std::uint32_t value);
  std::string out_;
};

}  // namespace aerodex
