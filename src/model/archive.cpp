// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/archive.h"

#include <bit>
#include <cstring>

#include "model/codepage.h"

namespace aerodex {
namespace {
constexpr std::uint16_t kWideMark = 0xFFFE;
constexpr std::uint16_t kLongMark = 0xFFFF;
constexpr std::uint8_t kByteMark = 0xFF;
}  // namespace

CFixedRun CArchiveReader::ReadRun(std::size_t size) {
  static constexpr std::uint8_t kZeros[kLongestRun] = {};
  const std::uint8_t* p = nullptr;
  if (size > sizeof kZeros || !Take(size, &p)) return CFixedRun(kZeros);
  return CFixedRun(p);
}

bool CArchiveReader::Take(std::size_t count, const std::uint8_t** out) {
  if (failed_ || count > Remaining()) {
    failed_ = true;
    return false;
  }
  *out = bytes_.data() + pos_;
  pos_ += count;
  return true;
}

int CArchiveReader::ReadU16() {
  const std::uint8_t* p = nullptr;
  if (!Take(2, &p)) return 0;
  return p[0] | (p[1] << 8);
}

std::uint32_t CArchiveReader::ReadU32() {
  const std::uint8_t* p = nullptr;
  if (!Take(4, &p)) return 0;
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}

std::int32_t CArchiveReader::ReadI32() { return static_cast<std::int32_t>(ReadU32()); }

double CArchiveReader::ReadF64() {
  const std::uint8_t* p = nullptr;
  if (!Take(8, &p)) return 0;
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
  return std::bit_cast<double>(bits);
}

// The length part of a counted string, without the 16-bit mark.
std::uint32_t CArchiveReader::ReadLength() {
  const std::uint8_t* p = nullptr;
  if (!Take(1, &p)) return 0;
  if (*p < kByteMark) return *p;
  const auto word = static_cast<std::uint16_t>(ReadU16());
  if (word < kLongMark) return word;
  return ReadU32();
}

std::string CArchiveReader::ReadString() {
  const std::size_t start = pos_;
  std::uint32_t length = ReadLength();
  const bool wide =
      !failed_ && pos_ == start + 3 && bytes_[start + 1] == 0xFE && bytes_[start + 2] == 0xFF;
  if (wide) length = ReadLength();
  const std::size_t byteCount = wide ? std::size_t{length} * 2 : length;
  const std::uint8_t* p = nullptr;
  if (!Take(byteCount, &p)) return {};
  if (!wide) return std::string(reinterpret_cast<const char*>(p), length);
  std::string text(length, '?');
  for (std::uint32_t i = 0; i < length; ++i) {
    const char32_t unit = p[2 * i] | (p[2 * i + 1] << 8);
    // Halves of surrogate pairs stand for characters far outside the code page.
    text[i] = (unit >= 0xD800 && unit <= 0xDFFF) ? '?' : CodePointToCp1252(unit);
  }
  return text;
}

void CArchiveWriter::WriteU16(int value) {
  const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
  out_.append(bytes, 2);
}

void CArchiveWriter::WriteU32(std::uint32_t value) {
  char bytes[4];
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  out_.append(bytes, 4);
}

void CArchiveWriter::WriteI32(std::int32_t value) { WriteU32(static_cast<std::uint32_t>(value)); }

void CArchiveWriter::WriteF64(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  char bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  out_.append(bytes, 8);
}

void CArchiveWriter::WriteString(const std::string& text) {
  const std::size_t n = text.size();
  if (n < kByteMark) {
    out_ += static_cast<char>(n);
  } else if (n < kWideMark) {
    out_ += static_cast<char>(kByteMark);
    WriteU16(static_cast<int>(n));
  } else {
    out_ += static_cast<char>(kByteMark);
    WriteU16(kLongMark);
    WriteU32(static_cast<std::uint32_t>(n));
  }
  out_ += text;
}

}  // namespace aerodex
