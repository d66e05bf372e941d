// Arbitrary bytes as the evaluator's standard input: either a result object or
// exit status 2 with one line on stderr.

#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string_view>

#include "eval_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const qichun::EvalOutcome outcome = qichun::EvaluateJson(input);
  if (outcome.exitStatus == 0) {
    if (!outcome.error.empty()) std::abort();
    const auto parsed = nlohmann::json::parse(outcome.output, nullptr, false);
    if (parsed.is_discarded() || parsed.size() != 2 + 144) std::abort();
  } else {
    if (outcome.exitStatus != 2 || !outcome.output.empty() || outcome.error.empty()) std::abort();
    if (outcome.error.find('\n') != std::string::npos) std::abort();
  }
  return 0;
}
