#include "eval_json.h"

#include <limits>
#include <nlohmann/json.hpp>

#include "conversion/conversion.h"
#include "core/control_map.h"
#include "core/recalculate.h"
#include "skills/run_skill_model.h"

namespace qichun {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

EvalOutcome Failure(std::string message) { return EvalOutcome{2, {}, std::move(message)}; }

// A name as a JSON string literal: quoted, with line breaks and other control
// characters escaped, so that the message stays on one line.
std::string Quoted(const std::string& name) { return json(name).dump(); }

// Sets one control from its JSON value; an error text when it cannot.
std::string ApplyControl(ControlMap& window, const std::string& name, const json& value) {
  const auto kind = window.InputKind(name);
  if (!kind) return "unknown control name: " + Quoted(name);
  if (*kind == ControlKind::EditBox) {
    if (!value.is_string()) return "control " + Quoted(name) + " is an edit box and needs a string";
    window.SetText(name, value.get<std::string>());
    return {};
  }
  if (!value.is_number_integer()) return "control " + Quoted(name) + " needs an integer";
  const bool fits = value.is_number_unsigned()
                        ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(std::numeric_limits<int>::max())
                        : value.get<std::int64_t>() >= std::numeric_limits<int>::min() &&
                              value.get<std::int64_t>() <= std::numeric_limits<int>::max();
  if (!fits) return "control " + Quoted(name) + " needs an integer in the 32-bit range";
  const int state = static_cast<int>(value.get<std::int64_t>());
  if (*kind == ControlKind::ComboBox) {
    window.SetCurrentIndex(name, state);
  } else {
    window.SetCheckState(name, state);
  }
  return {};
}

ordered_json TableJson(const ControlMap& window, std::string_view listView) {
  ordered_json rows = ordered_json::array();
  for (const ControlMap::Row& row : window.Rows(listView)) {
    ordered_json cells = ordered_json::array();
    for (const std::string& cell : row) cells.push_back(cell);
    rows.push_back(std::move(cells));
  }
  return rows;
}

}  // namespace

EvalOutcome EvaluateJson(std::string_view input) {
  const json request = json::parse(input.begin(), input.end(), nullptr, false);
  if (request.is_discarded()) return Failure("input is not valid JSON");
  if (!request.is_object()) return Failure("input must be a JSON object");
  for (const auto& [key, value] : request.items()) {
    if (key != "controls" && key != "convert") return Failure("unknown key: " + Quoted(key));
  }

  ControlMap window = ControlMap::WithInitialState();
  bool convert = false;
  if (const auto it = request.find("convert"); it != request.end()) {
    if (!it->is_boolean()) return Failure("\"convert\" must be true or false");
    convert = it->get<bool>();
  }
  if (const auto it = request.find("controls"); it != request.end()) {
    if (!it->is_object()) return Failure("\"controls\" must be an object");
    for (const auto& [name, value] : it->items()) {
      if (std::string problem = ApplyControl(window, name, value); !problem.empty()) return Failure(problem);
    }
  }

  CalculationState state;
  Recalculate(window, state);
  if (convert) RunConversion(window, state);

  ordered_json out;
  out[std::string(kAttributeTable)] = TableJson(window, kAttributeTable);
  out[std::string(kSkillTable)] = TableJson(window, kSkillTable);
  for (std::string_view prefix : {kGainPrefix, kConvertedGainPrefix}) {
    for (int number = 1; number <= 12; ++number) {
      for (int attribute = 0; attribute < 6; ++attribute) {
        const std::string& box = GainBoxName(prefix, attribute, number);
        out[box] = window.Text(box);
      }
    }
  }
  return EvalOutcome{0, out.dump(2, ' ', false, ordered_json::error_handler_t::replace) + "\n", {}};
}

}  // namespace qichun
