#pragma once

// Reading the published version page: Qt-free, so that every rule about the
// page's text is testable on plain strings.

#include <string>
#include <string_view>
#include <vector>

namespace qichun {

inline constexpr std::string_view kCurrentVersion = "1.13";
inline constexpr std::string_view kVersionListStart = "开始[";
inline constexpr std::string_view kVersionListEnd = "]";

// The text between the first `start` and the next `end` after it; empty when
// either is missing. "#引号" in a marker stands for a double quote.
std::string TextBetween(std::string_view text, std::string_view start, std::string_view end);

// Each "|" ends a field; a non-empty rest is one more field; "" gives none.
std::vector<std::string> SplitFields(std::string_view list);

bool IsValidUtf8(std::string_view bytes);

enum class VersionVerdict {
  UpToDate,     // field 1 is exactly the running version
  NewVersion,   // field 1 is anything else
  FetchFailed,  // no usable page: no body, not UTF-8, no marked list, fewer than two fields
};

// `body` is empty when the fetch failed.
VersionVerdict JudgeVersionPage(std::string_view body);

}  // namespace qichun
