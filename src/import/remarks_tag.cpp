// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/remarks_tag.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "model/record_fields.h"

namespace aerodex::import {
namespace {

constexpr std::string_view kOpening = "[aerodex ";

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte >= 0x7F || c == '%' || c == ']' || c == '[' || c == '=') {
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02X", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out;
}

std::string Unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    unsigned value = 0;
    if (text[i] == '%' && i + 2 < text.size() &&
        std::from_chars(text.data() + i + 1, text.data() + i + 3, value, 16).ptr ==
            text.data() + i + 3) {
      out += static_cast<char>(value);
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string ExactNumber(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string MakeRemarksTag(const CAerodexEntry& stored, const CAerodexEntry& read) {
  std::string tag;
  const auto add = [&tag](const char* name, const std::string& value) {
    tag += tag.empty() ? std::string(kOpening) : " ";
    tag += std::string(name) + '=' + value;
  };
  for (const auto& field : kEntryFields) {
    if (std::string_view(field.name) == "remarks") continue;
    switch (field.Kind()) {
      case ValueKind::kText:
        if (stored.*field.text != read.*field.text) add(field.name, Escaped(stored.*field.text));
        break;
      case ValueKind::kWhole:
        if (stored.*field.whole != read.*field.whole) {
          add(field.name, std::to_string(stored.*field.whole));
        }
        break;
      case ValueKind::kDecimal:
        if (std::fabs(stored.*field.decimal - read.*field.decimal) > 1e-9) {
          add(field.name, ExactNumber(stored.*field.decimal));
        }
        break;
    }
  }
  return tag.empty() ? tag : tag + ']';
}

TagFields TakeRemarksTag(std::string& remarks) {
  TagFields fields;
  const auto opening = remarks.rfind(kOpening);
  if (opening == std::string::npos || !remarks.ends_with(']')) return fields;
  const std::string_view body = std::string_view(remarks).substr(
      opening + kOpening.size(), remarks.size() - 1 - opening - kOpening.size());
  if (body.find(']') != std::string_view::npos) return fields;
  std::size_t at = 0;
  while (at < body.size()) {
    const auto end = std::min(body.find(' ', at), body.size());
    const std::string_view pair = body.substr(at, end - at);
    const auto equals = pair.find('=');
    if (equals != std::string_view::npos) {
      fields.emplace_back(std::string(pair.substr(0, equals)), Unescaped(pair.substr(equals + 1)));
    }
    at = end + 1;
  }
  std::size_t cut = opening;
  if (cut > 0 && remarks[cut - 1] == ' ') --cut;
  remarks.erase(cut);
  return fields;
}

void ApplyRemarksTag(CAerodexEntry& entry, const TagFields& fields) {
  for (const auto& [name, value] : fields) {
    for (const auto& field : kEntryFields) {
      if (name != field.name) continue;
      const char* end = value.data() + value.size();
      switch (field.Kind()) {
        case ValueKind::kText:
          entry.*field.text = value;
          break;
        case ValueKind::kWhole:
          std::from_chars(value.data(), end, entry.*field.whole);
          break;
        case ValueKind::kDecimal:
          std::from_chars(value.data(), end, entry.*field.decimal);
          break;
      }
    }
  }
}

}  // namespace aerodex::import
