#include "core/recalculate.h"

#include "skills/run_skill_model.h"

namespace qichun {

void Recalculate(ControlPanel& window, CalculationState& state) {
  const InputSnapshot snapshot = ReadInputSnapshot(window, state.presetInForce);
  state.presetInForce = snapshot.targetPreset;
  state.panel = ComputeAttributePanel(snapshot);

  const auto attributeRow = FormatAttributeRow(state.panel);
  for (int column = 1; column <= 8; ++column) {
    window.SetCell(kAttributeTable, 0, column, attributeRow[static_cast<std::size_t>(column - 1)]);
  }

  const SkillModelTexts texts = RunSkillModel(snapshot, state.panel);
  for (std::size_t k = 0; k < texts.size(); ++k) {
    const SkillProfile& skill = SkillProfiles()[k];
    for (int column = 1; column <= 8; ++column) {
      window.SetCell(kSkillTable, skill.tableRow, column, texts[k].row[static_cast<std::size_t>(column - 1)]);
    }
    for (int a = 0; a < 6; ++a) {
      window.SetText(GainBoxName(kGainPrefix, a, skill.number),
                     texts[k].gains.pointsPerPercent[static_cast<std::size_t>(a)]);
    }
    for (int a = 0; a < 6; ++a) {
      window.SetText(GainBoxName(kGainPrefix, a, skill.number + 6),
                     texts[k].gains.percentPerPoint[static_cast<std::size_t>(a)]);
    }
  }
}

void ApplyTargetRadio(ControlPanel& window, CalculationState& state, std::string_view radio) {
  if (IsChecked(window, radio) == 1) {
    for (const TargetPreset& preset : TargetPresets()) {
      if (preset.radio == radio) window.SetText(kTargetDescriptionLabel, preset.description);
    }
  }
  Recalculate(window, state);
}

}  // namespace qichun
