#pragma once

// Trading attribute points: the converted build beside the unconverted one.

#include <cstdint>

#include "core/attribute_panel.h"
#include "core/control_panel.h"
#include "core/input_snapshot.h"
#include "core/recalculate.h"

namespace qichun {

// Points that leave the build and points that enter it, per attribute.
// Hit, strain, crit and crit power are rating points, not percent.
struct ConversionRequest {
  std::int32_t removedSpirit = 0;
  std::int32_t addedSpirit = 0;
  float removedHitRating = 0;
  float addedHitRating = 0;
  float removedCritRating = 0;
  float addedCritRating = 0;
  float removedCritPowerRating = 0;
  float addedCritPowerRating = 0;
  std::int32_t removedOvercome = 0;
  std::int32_t addedOvercome = 0;
  float removedStrainRating = 0;
  float addedStrainRating = 0;
  std::int32_t removedBaseAttack = 0;
  std::int32_t addedBaseAttack = 0;
};

struct ConvertedPanel {
  std::int32_t spirit = 0;
  float hit = 0;
  float crit = 0;
  float critPower = 0;
  std::int32_t overcome = 0;
  float strain = 0;
  std::int32_t attackPower = 0;
  float missRate = 0;
  float insightRate = 0;
  float critCap = 0;
};

ConversionRequest ReadConversionRequest(const ControlPanel& window);

ConvertedPanel ConvertPanel(const InputSnapshot& snapshot, const AttributePanel& panel,
                            const ConversionRequest& request);

// The typed bases moved by the request (wrapping like every int32 result).
std::int32_t ConvertedBaseAttack(const InputSnapshot& snapshot, const ConversionRequest& request);
std::int32_t ConvertedOvercomeInput(const InputSnapshot& snapshot, const ConversionRequest& request);

// The panel with the converted values in place of its own.
AttributePanel WithConvertedValues(const AttributePanel& panel, const ConvertedPanel& converted);

// Rows 1, 3, …, 11 of the skill table and the 72 "转换收益" boxes.
void RunConvertedSkillModel(ControlPanel& window, const ConvertedPanel& converted, const AttributePanel& panel,
                            const InputSnapshot& snapshot, const ConversionRequest& request);

// Click of "转换": converts the panel of the latest recalculation.
void RunConversion(ControlPanel& window, const CalculationState& state);

}  // namespace qichun
