// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the reader of the older version's text log: any bytes
// are imported into a fresh log through a port that answers Cancel to every
// question and form. Besides the sanitizers' checks, the log must come out in
// log order however the import ended.
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <istream>
#include <streambuf>
#include <string>

#include "editing/cancelling_port.h"
#include "editing/interaction_port.h"
#include "import/text_import.h"
#include "model/clock.h"
#include "model/document.h"

namespace {

// Reads the fuzz input in place.
class InputBuffer : public std::streambuf {
 public:
  InputBuffer(const std::uint8_t* data, std::size_t size) {
    char* begin = const_cast<char*>(reinterpret_cast<const char*>(data));
    setg(begin, begin, begin + size);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const aerodex::FixedClock clock(946728000);  // 2000-01-01 12:00 UTC
  CCancellingPort port;
  CAerodexDoc doc(&port, &clock);
  doc.OnNewDocument();
  InputBuffer buffer(data, size);
  std::istream in(&buffer);
  const aerodex::import::CImportReport result = aerodex::import::ImportTextLog(doc, port, in);
  if (result.found != static_cast<std::int64_t>(doc.EntryCount())) __builtin_trap();
  for (std::uint32_t i = 1; i < doc.EntryCount(); ++i) {
    if (CompareEntries(doc.Entry(i - 1), doc.Entry(i)) > 0) __builtin_trap();
  }
  return 0;
}
