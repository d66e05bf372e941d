#include "core/attribute_panel.h"

#include "core/number_rules.h"

namespace qichun {
namespace {

struct ConsumableTotals {
  std::int32_t spirit = 0;
  std::int32_t hitRating = 0;
  std::int32_t critRating = 0;
  std::int32_t critPowerRating = 0;
  std::int32_t overcome = 0;
  std::int32_t attack = 0;
};

// Item lists of the five consumable boxes; index 0 is "无", -1 nothing selected.
void AddConsumables(const InputSnapshot& s, ConsumableTotals& t) {
  switch (s.auxFoodIndex) {
    case 1:
      t.spirit += 31;
      break;  // 佳·汉宫棋
    case 2:
      t.spirit += 38;
      break;  // 珍·葵花鸭
    case 3:
      t.spirit += 27;
      break;  // 汉宫棋
    default:
      break;
  }
  switch (s.auxMedicineIndex) {
    case 1:
      t.spirit += 46;
      break;  // 佳·补心丹
    case 2:
      t.spirit += 57;
      break;  // 珍·九还丹
    case 3:
      t.spirit += 41;
      break;  // 补心丹
    default:
      break;
  }
  switch (s.enhFoodIndex) {
    case 1:
      t.critPowerRating += 83;
      break;  // 佳·通花软牛肠
    case 2:
      t.hitRating += 83;
      break;  // 佳·贵妃红
    case 3:
      t.attack += 44;
      break;  // 苍·走油蹄髈
    case 4:
      t.overcome += 49;
      break;  // 苍·提神汤
    case 5:
      t.critRating += 104;
      break;  // 珍·金乳酥
    default:
      break;
  }
  switch (s.enhMedicineIndex) {
    case 1:
      t.critRating += 125;
      break;  // 佳·白信丹
    case 2:
      t.critPowerRating += 153;
      break;  // 珍·养魂丹
    default:
      break;
  }
  if (s.feastIndex == 1) t.spirit += 46;  // 佳·烧尾宴
}

}  // namespace

double AttackMultiplier(const AttributePanel& p) {
  return 0.05 * p.buffTiangu + 0.2 * p.buffFanyin + 0.1 * p.buffJingang + 0.1 * p.buffSetAttack + 0.25 * p.buffZiqi +
         0.1 * p.talentQisheng + 1.0;
}

double OvercomeScale(const AttributePanel& p) {
  return 0.1 * p.buffTiangu + 1.0;
}

double RawOvercome(std::int32_t overcomeInput, const AttributePanel& p) {
  return (overcomeInput + 342.0 * p.buffWind) + p.consumableOvercome;
}

double FlatBaseAttack(std::int32_t baseAttack, const AttributePanel& p) {
  return (baseAttack + 70.0 * p.buffWater) + p.consumableAttack;
}

float MissRate(float hit, float targetHitRequirement) {
  if (hit > targetHitRequirement) return 0.0f;
  return ToFloat32((static_cast<double>(targetHitRequirement) - hit) / 100.0);
}

float InsightRate(float strain, float targetStrainRequirement) {
  if (strain > targetStrainRequirement) return 0.0f;
  return ToFloat32((static_cast<double>(targetStrainRequirement) - strain) / 100.0);
}

AttributePanel ComputeAttributePanel(const InputSnapshot& s) {
  AttributePanel p;
  ConsumableTotals totals;
  AddConsumables(s, totals);
  p.consumableSpirit = totals.spirit;
  p.consumableHitRating = totals.hitRating;
  p.consumableCritRating = totals.critRating;
  p.consumableCritPowerRating = totals.critPowerRating;
  p.consumableOvercome = totals.overcome;
  p.consumableAttack = totals.attack;

  p.targetHitRequirement = s.targetPreset.targetHitRequirement;
  p.targetStrainRequirement = s.targetPreset.targetStrainRequirement;
  p.damageReduction = s.targetPreset.damageReduction;

  p.talentQisheng = s.talentQisheng;
  p.talentBaoyang = s.talentBaoyang;
  p.buffZiqi = s.buffZiqi;
  p.buffTiangu = s.buffTiangu;
  p.buffJingang = s.buffJingang;
  p.buffFanyin = s.buffFanyin;
  p.buffSetAttack = s.buffSetAttack;
  p.buffWater = s.buffWater;
  p.buffWind = s.buffWind;
  p.buffQiegaoCritPower = s.buffQiegaoCritPower;
  p.buffQiegaoCrit = s.buffQiegaoCrit;
  p.buffQiegaoStrain = s.buffQiegaoStrain;

  // In double: the typed spirit may be near the int32 limits.
  p.spirit = TruncToInt(static_cast<double>(s.spiritInput) + p.consumableSpirit);

  const double attackMultiplier = AttackMultiplier(p);
  const double flatAttack = FlatBaseAttack(s.baseAttack, p);
  p.attackPower = TruncToInt(flatAttack * attackMultiplier + kAttackPerSpirit * p.spirit);

  p.hit = ToFloat32((s.hitInput + p.consumableHitRating / kHitRatingPerPercent) + 3.0 * p.buffTiangu);

  // Only the consumables' spirit carries crit and crit power; typed spirit does not.
  const double consumableSpirit = p.consumableSpirit;
  p.crit = ToFloat32(
      (((s.critInput + p.consumableCritRating / kCritRatingPerPercent) + 10.0 * p.talentBaoyang) + 25.0 * p.buffZiqi) +
      ((0.3 * consumableSpirit + 0.23 * consumableSpirit) + 101.0 * p.buffQiegaoCrit) / kCritRatingPerPercent);
  p.critPower = ToFloat32(
      (((s.critPowerInput + p.consumableCritPowerRating / kCritPowerRatingPerPercent) + 20.0 * p.talentBaoyang) +
       25.0 * p.buffZiqi) +
      ((0.18 * consumableSpirit + 0.08 * consumableSpirit) + 101.0 * p.buffQiegaoCritPower) /
          kCritPowerRatingPerPercent);

  p.overcome = TruncToInt(RawOvercome(s.overcomeInput, p) * OvercomeScale(p));
  p.strain = ToFloat32(s.strainInput + (101.0 * p.buffQiegaoStrain) / kStrainRatingPerPercent);

  p.missRate = MissRate(p.hit, p.targetHitRequirement);
  p.insightRate = InsightRate(p.strain, p.targetStrainRequirement);
  p.critCap = ToFloat32((1.0 - p.missRate) - p.insightRate);

  const double critLimit = p.critCap * 100.0;
  if (p.crit - critLimit > kCapTolerance) p.crit = ToFloat32(critLimit);
  if (p.critPower - kCritPowerCap > kCapTolerance) p.critPower = static_cast<float>(kCritPowerCap);
  return p;
}

std::array<std::string, 8> FormatAttributeRow(const AttributePanel& p) {
  return {
      IntToText(p.spirit),
      RoundedText(p.hit, 2),
      RoundedText(p.crit, 2),
      RoundedText(p.critPower, 2),
      PointsWithPercentText(p.overcome, kOvercomePerPercent),
      RoundedText(p.strain, 2),
      IntToText(p.attackPower),
      RoundedText(p.critCap * 100.0, 2),
  };
}

}  // namespace qichun
