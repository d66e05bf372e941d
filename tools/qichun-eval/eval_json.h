#pragma once

// The headless evaluator: control states as JSON in, every result text as JSON out.

#include <string>
#include <string_view>

namespace qichun {

struct EvalOutcome {
  int exitStatus = 0;  // 0, or 2 for bad input
  std::string output;  // the result object; empty on bad input
  std::string error;   // one line naming the problem; empty on success
};

EvalOutcome EvaluateJson(std::string_view input);

}  // namespace qichun
