#include "ui/version_page.h"

namespace qichun {
namespace {

std::string WithQuotes(std::string_view marker) {
  constexpr std::string_view kQuoteWord = "#引号";
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = marker.find(kQuoteWord); at != std::string_view::npos;
       at = marker.find(kQuoteWord, from)) {
    result.append(marker.substr(from, at - from)).push_back('"');
    from = at + kQuoteWord.size();
  }
  result.append(marker.substr(from));
  return result;
}

// Length of the UTF-8 sequence led by `lead`, 0 for a byte that cannot lead one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::string TextBetween(std::string_view text, std::string_view start, std::string_view end) {
  const std::string startMarker = WithQuotes(start);
  const std::string endMarker = WithQuotes(end);
  const std::size_t startAt = text.find(startMarker);
  if (startAt == std::string_view::npos) return {};
  const std::size_t listAt = startAt + startMarker.size();
  const std::size_t endAt = text.find(endMarker, listAt);
  if (endAt == std::string_view::npos) return {};
  return std::string(text.substr(listAt, endAt - listAt));
}

std::vector<std::string> SplitFields(std::string_view list) {
  std::vector<std::string> fields;
  std::size_t from = 0;
  for (std::size_t bar = list.find('|'); bar != std::string_view::npos; bar = list.find('|', from)) {
    fields.emplace_back(list.substr(from, bar - from));
    from = bar + 1;
  }
  if (from < list.size()) fields.emplace_back(list.substr(from));
  return fields;
}

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    if (length >= 3) {
      const auto second = static_cast<unsigned char>(bytes[i + 1]);
      if (lead == 0xE0 && second < 0xA0) return false;  // overlong
      if (lead == 0xED && second > 0x9F) return false;  // surrogate
      if (lead == 0xF0 && second < 0x90) return false;  // overlong
      if (lead == 0xF4 && second > 0x8F) return false;  // beyond U+10FFFF
    }
    i += length;
  }
  return true;
}

VersionVerdict JudgeVersionPage(std::string_view body) {
  if (body.empty() || !IsValidUtf8(body)) return VersionVerdict::FetchFailed;
  // A missing marker gives an empty list, and so no fields.
  const std::vector<std::string> fields = SplitFields(TextBetween(body, kVersionListStart, kVersionListEnd));
  if (fields.size() < 2) return VersionVerdict::FetchFailed;
  return fields[0] == kCurrentVersion ? VersionVerdict::UpToDate : VersionVerdict::NewVersion;
}

}  // namespace qichun
