// qichun-eval: runs the calculator's pipeline over control states read as JSON
// from standard input and prints every result text as JSON.

#include <cstdio>
#include <string>

#include "eval_json.h"

int main() {
  std::string input;
  char buffer[4096];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) input.append(buffer, count);

  const qichun::EvalOutcome outcome = qichun::EvaluateJson(input);
  if (outcome.exitStatus != 0) {
    std::fputs(("qichun-eval: " + outcome.error + "\n").c_str(), stderr);
    return outcome.exitStatus;
  }
  std::fwrite(outcome.output.data(), 1, outcome.output.size(), stdout);
  return 0;
}
