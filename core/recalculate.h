#pragma once

// The recalculation run by every input change: read the window, compute the
// panel and the six skills, write every unconverted result.

#include <string_view>

#include "core/attribute_panel.h"
#include "core/control_panel.h"
#include "core/input_snapshot.h"

namespace qichun {

inline constexpr std::string_view kAttributeTable = "超级列表框1";
inline constexpr std::string_view kSkillTable = "超级列表框2";
inline constexpr std::string_view kTargetDescriptionLabel = "标签54";

// All the calculation keeps between events.
struct CalculationState {
  TargetPreset presetInForce;  // all zero before the first recalculation
  AttributePanel panel;        // of the latest recalculation, for the conversion
};

void Recalculate(ControlPanel& window, CalculationState& state);

// Click of a target radio: its description into "标签54" when it reads checked, then Recalculate.
void ApplyTargetRadio(ControlPanel& window, CalculationState& state, std::string_view radio);

}  // namespace qichun
