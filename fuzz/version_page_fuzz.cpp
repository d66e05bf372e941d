// Arbitrary bytes as the version page, and as the markers of TextBetween.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ui/version_page.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const qichun::VersionVerdict verdict = qichun::JudgeVersionPage(bytes);
  if (!qichun::IsValidUtf8(bytes) && verdict != qichun::VersionVerdict::FetchFailed) std::abort();
  if (bytes.empty() && verdict != qichun::VersionVerdict::FetchFailed) std::abort();

  // First two bytes: lengths of a start and an end marker taken from the rest.
  if (size >= 2) {
    const std::string_view rest = bytes.substr(2);
    const std::size_t startLength = std::min<std::size_t>(data[0] % 8, rest.size());
    const std::size_t endLength = std::min<std::size_t>(data[1] % 8, rest.size() - startLength);
    const std::string_view start = rest.substr(0, startLength);
    const std::string_view end = rest.substr(startLength, endLength);
    const std::string_view text = rest.substr(startLength + endLength);
    const std::string between = qichun::TextBetween(text, start, end);
    if (!between.empty() && text.find(between) == std::string_view::npos) std::abort();
  }

  std::string joined;
  for (const std::string& field : qichun::SplitFields(bytes)) joined += field + "|";
  if (joined.size() > bytes.size() + 1) std::abort();
  return 0;
}
