#include "conversion/conversion.h"

#include "core/number_rules.h"
#include "skills/run_skill_model.h"

namespace qichun {

ConversionRequest ReadConversionRequest(const ControlPanel& window) {
  ConversionRequest r;
  r.removedSpirit = TextToInt(window.Text("编辑框30"));
  r.addedSpirit = TextToInt(window.Text("编辑框29"));
  r.removedHitRating = TextToFloat(window.Text("编辑框20"));
  r.addedHitRating = TextToFloat(window.Text("编辑框14"));
  r.removedCritRating = TextToFloat(window.Text("编辑框18"));
  r.addedCritRating = TextToFloat(window.Text("编辑框12"));
  r.removedCritPowerRating = TextToFloat(window.Text("编辑框17"));
  r.addedCritPowerRating = TextToFloat(window.Text("编辑框11"));
  r.removedOvercome = TextToInt(window.Text("编辑框16"));
  r.addedOvercome = TextToInt(window.Text("编辑框3"));
  r.removedStrainRating = TextToFloat(window.Text("编辑框19"));
  r.addedStrainRating = TextToFloat(window.Text("编辑框13"));
  r.removedBaseAttack = TextToInt(window.Text("编辑框21"));
  r.addedBaseAttack = TextToInt(window.Text("编辑框15"));
  return r;
}

std::int32_t ConvertedBaseAttack(const InputSnapshot& s, const ConversionRequest& r) {
  return TruncToInt(static_cast<double>(s.baseAttack) - r.removedBaseAttack + r.addedBaseAttack);
}

std::int32_t ConvertedOvercomeInput(const InputSnapshot& s, const ConversionRequest& r) {
  return TruncToInt(static_cast<double>(s.overcomeInput) - r.removedOvercome + r.addedOvercome);
}

ConvertedPanel ConvertPanel(const InputSnapshot& s, const AttributePanel& p, const ConversionRequest& r) {
  ConvertedPanel c;
  c.spirit = TruncToInt(static_cast<double>(p.spirit) - r.removedSpirit + r.addedSpirit);
  c.hit = ToFloat32(p.hit - (static_cast<double>(r.removedHitRating) - r.addedHitRating) / kHitRatingPerPercent);

  // Spirit carries crit, crit power and attack power with it.
  const double spiritRemoved = static_cast<double>(p.spirit) - c.spirit;
  c.crit = ToFloat32(p.crit - (static_cast<double>(r.removedCritRating) - r.addedCritRating) / kCritRatingPerPercent -
                     (spiritRemoved * 0.3 + spiritRemoved * 0.23) / kCritRatingPerPercent);
  c.critPower =
      ToFloat32(p.critPower -
                (static_cast<double>(r.removedCritPowerRating) - r.addedCritPowerRating) / kCritPowerRatingPerPercent -
                (spiritRemoved * 0.18 + spiritRemoved * 0.06) / kCritPowerRatingPerPercent);

  c.overcome = TruncToInt(((RawOvercome(s.overcomeInput, p) - r.removedOvercome) + r.addedOvercome) * OvercomeScale(p));
  c.strain = ToFloat32(p.strain -
                       (static_cast<double>(r.removedStrainRating) - r.addedStrainRating) / kStrainRatingPerPercent);
  c.attackPower =
      TruncToInt(((FlatBaseAttack(s.baseAttack, p) - r.removedBaseAttack) + r.addedBaseAttack) * AttackMultiplier(p) +
                 kAttackPerSpirit * c.spirit);

  c.missRate = MissRate(c.hit, p.targetHitRequirement);
  c.insightRate = InsightRate(c.strain, p.targetStrainRequirement);
  c.critCap = ToFloat32((1.0 - c.missRate) - c.insightRate);
  if (c.crit - c.critCap * 100.0 > kCapTolerance) c.crit = ToFloat32(c.critCap * 100.0);
  if (c.critPower - kCritPowerCap > kCapTolerance) c.critPower = static_cast<float>(kCritPowerCap);
  return c;
}

AttributePanel WithConvertedValues(const AttributePanel& panel, const ConvertedPanel& c) {
  AttributePanel working = panel;
  working.attackPower = c.attackPower;
  working.overcome = c.overcome;
  working.crit = c.crit;
  working.critPower = c.critPower;
  working.missRate = c.missRate;
  working.insightRate = c.insightRate;
  working.critCap = c.critCap;
  working.spirit = c.spirit;
  working.hit = c.hit;
  working.strain = c.strain;
  return working;
}

void RunConvertedSkillModel(ControlPanel& window, const ConvertedPanel& converted, const AttributePanel& panel,
                            const InputSnapshot& snapshot, const ConversionRequest& request) {
  InputSnapshot workingSnapshot = snapshot;
  workingSnapshot.baseAttack = ConvertedBaseAttack(snapshot, request);
  workingSnapshot.overcomeInput = ConvertedOvercomeInput(snapshot, request);
  const AttributePanel workingPanel = WithConvertedValues(panel, converted);

  const SkillModelTexts texts = RunSkillModel(workingSnapshot, workingPanel, RowDamageText::AllFloat);
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const SkillProfile& skill = SkillProfiles()[k];
    for (int column = 1; column <= 8; ++column) {
      window.SetCell(kSkillTable, skill.tableRow + 1, column, texts[k].row[static_cast<std::size_t>(column - 1)]);
    }
    for (int a = 0; a < 6; ++a) {
      window.SetText(GainBoxName(kConvertedGainPrefix, a, skill.number),
                     texts[k].gains.pointsPerPercent[static_cast<std::size_t>(a)]);
    }
  }
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const SkillProfile& skill = SkillProfiles()[k];
    for (int a = 0; a < 6; ++a) {
      window.SetText(GainBoxName(kConvertedGainPrefix, a, skill.number + 6),
                     texts[k].gains.percentPerPoint[static_cast<std::size_t>(a)]);
    }
  }
}

void RunConversion(ControlPanel& window, const CalculationState& state) {
  const ConversionRequest request = ReadConversionRequest(window);
  // The bases and the skill check boxes are read again at the click.
  const InputSnapshot snapshot = ReadInputSnapshot(window, state.presetInForce);
  const ConvertedPanel converted = ConvertPanel(snapshot, state.panel, request);

  const auto row = FormatAttributeRow(WithConvertedValues(state.panel, converted));
  for (int column = 1; column <= 8; ++column) {
    window.SetCell(kAttributeTable, 1, column, row[static_cast<std::size_t>(column - 1)]);
  }
  RunConvertedSkillModel(window, converted, state.panel, snapshot, request);
}

}  // namespace qichun
