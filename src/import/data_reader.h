// SPDX-License-Identifier: GPL-3.0-or-later
// CDataReader: the two ways the older version's text log is read. A data line
// is the next line with its comment ("#" onwards) cut off, empty lines
// skipped; a text field is the text between the first two carets of the next
// data line. Lines are taken in pieces of at most 1023 characters, as the
// older version read them, so a longer line reads as two or more lines.
//
// The reader works on any std::istream (a file, a string, fuzz input). A line
// ending in carriage return and line feed reads exactly as one ending in a
// line feed alone: such files come from copies made on Windows. A carriage
// return alone ends a line too (copies kept on a classic Mac); the reader
// notes that it met one, so the import can say so.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace aerodex::import {

enum class ReadStatus {
  kOk,
  kEnd,       // no further data line: the buffer is unchanged
  kNoCarets,  // the data line lacks its opening or closing caret: see OffendingLine()
};

class CDataReader {
 public:
  static constexpr std::size_t kPieceLength = 1023;

  explicit CDataReader(std::istream& in);

  ReadStatus ReadDataLine(std::string& line);
  ReadStatus ReadDataString(std::string& text);
  // The data line that the last kNoCarets was about.
  const std::string& OffendingLine() const { return offending_; }
  // The line of the file (from 1) on which the last data line read began.
  std::int64_t LineNumber() const { return pieceLine_; }
  // True once a carriage return without its line feed has ended a line.
  bool MetLoneCarriageReturn() const { return loneReturn_; }

 private:
  // The next piece of a line, newline included when it fits; false at the end.
  bool ReadPiece(std::string& piece);
  // Fills the block buffer from the stream; false at the end.
  bool Refill();
  // After a carriage return that ended a line: takes the line feed of a pair.
  void TakeLineFeedOfPair();

  std::streambuf* source_;
  std::vector<char> buffer_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  std::string piece_;
  std::string offending_;
  std::int64_t linesEnded_ = 0;
  std::int64_t pieceLine_ = 0;
  bool loneReturn_ = false;
};

}  // namespace aerodex::import
