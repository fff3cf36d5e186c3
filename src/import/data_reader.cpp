// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/data_reader.h"

#include <algorithm>
#include <cstring>

namespace aerodex::import {
namespace {
constexpr std::size_t kBlockSize = 64 * 1024;

// The first line feed or carriage return in [start, start + span), or its end.
const char* FirstLineEnd(const char* start, std::size_t span) {
  const auto* feed = static_cast<const char*>(std::memchr(start, '\n', span));
  const std::size_t before = feed ? static_cast<std::size_t>(feed - start) : span;
  const auto* ret = static_cast<const char*>(std::memchr(start, '\r', before));
  return ret ? ret : start + before;
}
}  // namespace

CDataReader::CDataReader(std::istream& in) : source_(in.rdbuf()), buffer_(kBlockSize) {}

bool CDataReader::Refill() {
  // Reading in blocks of our own keeps large imports fast on any stream.
  const std::streamsize got = source_ ? source_->sgetn(buffer_.data(), kBlockSize) : 0;
  position_ = 0;
  filled_ = got > 0 ? static_cast<std::size_t>(got) : 0;
  return filled_ > 0;
}

void CDataReader::TakeLineFeedOfPair() {
  if ((position_ < filled_ || Refill()) && buffer_[position_] == '\n') {
    ++position_;  // CR LF is one line end, also when the pair straddles two blocks
  } else {
    loneReturn_ = true;
  }
}

bool CDataReader::ReadPiece(std::string& piece) {
  piece.clear();
  pieceLine_ = linesEnded_ + 1;
  for (;;) {
    if (position_ == filled_ && !Refill()) break;
    const char* start = buffer_.data() + position_;
    const std::size_t span = std::min(kPieceLength - piece.size(), filled_ - position_);
    const char* lineEnd = FirstLineEnd(start, span);
    piece.append(start, lineEnd);
    position_ += static_cast<std::size_t>(lineEnd - start);
    if (lineEnd != start + span) {
      const bool carriageReturn = *lineEnd == '\r';
      ++position_;
      if (carriageReturn) TakeLineFeedOfPair();
      piece.push_back('\n');
      ++linesEnded_;
      break;
    }
    if (piece.size() == kPieceLength) break;
  }
  return !piece.empty();
}

ReadStatus CDataReader::ReadDataLine(std::string& line) {
  for (;;) {
    if (!ReadPiece(piece_)) return ReadStatus::kEnd;
    const std::size_t comment = piece_.find('#');
    if (comment != std::string::npos) {
      piece_.resize(comment);
    } else if (piece_.back() == '\n') {
      piece_.pop_back();
    }
    if (piece_.empty()) continue;  // a line of blanks is kept, an empty one skipped
    line.swap(piece_);
    return ReadStatus::kOk;
  }
}

ReadStatus CDataReader::ReadDataString(std::string& text) {
  std::string line;
  if (ReadDataLine(line) == ReadStatus::kEnd) return ReadStatus::kEnd;
  const std::size_t open = line.find('^');
  const std::size_t close = open == std::string::npos ? open : line.find('^', open + 1);
  if (close == std::string::npos) {
    offending_ = std::move(line);
    return ReadStatus::kNoCarets;
  }
  text.assign(line, open + 1, close - open - 1);
  return ReadStatus::kOk;
}

}  // namespace aerodex::import
