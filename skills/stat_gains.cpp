#include "skills/stat_gains.h"

#include <cmath>

#include "core/number_rules.h"

namespace qichun {
namespace {

constexpr double kHitPointsPerRate = 3425;
constexpr double kStrainPointsPerRate = 2568.5;
constexpr double kCritPointsPerChance = 4150;
constexpr double kCritPowerPointsPerMultiplier = 1500;
constexpr double kOvercomePointsPerFactor = 3616.925;
// One point of each rating in the units of the term it moves.
constexpr double kOneHitPoint = 0.000291970802919708;
constexpr double kHundredStrainPoints = 0.03893322951138797;
constexpr double kOneCritPoint = 0.024096385542168676;
constexpr double kOneCritPowerPoint = 0.06666666666666667;

const std::string kNoGain = "无";
const std::string kZeroGain = "0";

// Whole points needed, rounded up: a need of exactly 49 shows 50 as well.
std::string PointsText(double amount) {
  return DoubleToText(static_cast<double>(TruncToInt(amount)) + 1);
}

// A degenerate panel (miss rate of 100% or more) gives infinite or NaN amounts
// that no rule catches: such a gain cannot be had, so it reads "无".
std::string PointsOrNone(float amount, bool none) {
  if (none || !std::isfinite(amount)) return kNoGain;
  return PointsText(amount);
}

// Likewise a zero or degenerate expectation gives no percent per point: "0".
std::string PercentText(double changedDamage, double expectedDamage, double scale) {
  const double ratio = changedDamage / expectedDamage;
  const double percent = (ratio - 1) * scale;
  if (!std::isfinite(ratio) || !std::isfinite(percent)) return kZeroGain;
  return RoundedText(percent, 5);
}

}  // namespace

SkillStatGains ComputeStatGains(const SkillProfile& skill, const SkillModifiers& m, const SkillResult& result,
                                const AttributePanel& p, const InputSnapshot& s) {
  const SkillTerms t = ComputeSkillTerms(skill, m, p);
  const double a = skill.attackCoefficient;
  const double b = skill.baseDamage;
  const double A = t.attackTerm;
  const double O = t.overcomeFactor;
  const double c = t.critChance;
  const double pm = t.critMultiplier;
  const double E = t.outcomeFactor;
  const double M = t.damageMultiplier;
  const double R = t.mitigation;
  const double T = result.expectedDamage;
  const double missRate = p.missRate;
  const double insightRate = p.insightRate;
  const double critCap = p.critCap;
  const double attackMultiplier = AttackMultiplier(p);
  const double rawOvercome = RawOvercome(s.overcomeInput, p);
  const double overcomeScale = OvercomeScale(p);
  const double targetOutcome = E * 1.01;

  SkillStatGains gains;
  StatGains& points = gains.pointsPerPercent;

  // Base attack, in double throughout.
  const double targetAttack = ((p.attackPower * a + b) * 1.01 - b) / a;
  const double baseAttackNeed = (targetAttack - p.spirit * kAttackPerSpirit) / attackMultiplier - s.baseAttack -
                                p.buffWater * 70.0 - p.consumableAttack;
  points[0] = std::isfinite(baseAttackNeed) ? PointsText(baseAttackNeed) : kNoGain;

  // Hit: lower the miss rate by a hundredth of E.
  const float hitNeed = ToFloat32(((((missRate + targetOutcome) - t.critTerm) - insightRate * 0.25) - 1 + insightRate) *
                                  kHitPointsPerRate);
  points[1] = PointsOrNone(hitNeed, hitNeed / kHitPointsPerRate - missRate > kCapTolerance);

  // Strain: removing insight gains three quarters of a hit.
  const float strainNeed =
      ToFloat32((insightRate + (((targetOutcome - t.critTerm) - 1) + missRate) / 0.75) * kStrainPointsPerRate);
  points[2] = PointsOrNone(strainNeed, strainNeed / kStrainPointsPerRate - insightRate > kCapTolerance);

  const float critNeed = ToFloat32(((targetOutcome - t.baseOutcome) / (pm - 1) - c) * kCritPointsPerChance);
  points[3] = PointsOrNone(critNeed, (critNeed / kCritPointsPerChance + c) - critCap > kCapTolerance);

  const float critPowerNeed =
      ToFloat32(((targetOutcome - t.baseOutcome) / c - (pm - 1)) * kCritPowerPointsPerMultiplier);
  points[4] = PointsOrNone(critPowerNeed, (critPowerNeed / kCritPowerPointsPerMultiplier + pm) - 3 > kCapTolerance);

  const float overcomeNeed = ToFloat32(
      ((((((rawOvercome * overcomeScale) / kOvercomePointsPerFactor + 1) * 1.01 - 1) * kOvercomePointsPerFactor) /
        overcomeScale) -
       rawOvercome));
  points[5] = PointsOrNone(overcomeNeed, false);

  StatGains& percent = gains.percentPerPoint;

  // The panel truncates attack power; this one keeps the dropped fraction.
  const double attackPlusOne =
      (s.baseAttack + p.buffWater * 70.0 + p.consumableAttack + 1) * attackMultiplier + p.spirit * kAttackPerSpirit;
  const double attackTermPlusOne = attackPlusOne * a + b;
  percent[0] = PercentText(attackTermPlusOne * O * E * M * R, T, 100);

  if (std::fabs(missRate) <= kCapTolerance) {
    percent[1] = kZeroGain;
  } else {
    const double outcome = insightRate * 0.25 + (((1 - missRate) + kOneHitPoint) - insightRate) + t.critTerm;
    percent[1] = PercentText(A * O * outcome * M * R, T, 100);
  }

  if (std::fabs(insightRate) <= kCapTolerance) {
    percent[2] = kZeroGain;
  } else {
    const double outcome = (insightRate - kHundredStrainPoints) * 0.25 +
                           (((1 - missRate) + kHundredStrainPoints) - insightRate) + t.critTerm;
    percent[2] = PercentText(A * O * outcome * M * R, T, 1);  // a hundred points, so no factor 100
  }

  // A crit clamped by the panel is the float nearest the cap and may sit just
  // below the double limit: it is still at the cap.
  const double skillCrit = p.crit + static_cast<double>(m.critBonus);
  if (skillCrit - critCap * 100.0 >= -kCapTolerance ||
      skillCrit - static_cast<double>(ToFloat32(critCap * 100.0)) >= -kCapTolerance) {
    percent[3] = kZeroGain;
  } else {
    const double critChance = (skillCrit + kOneCritPoint) / 100;
    const double outcome = t.baseOutcome + critChance * (pm - 1);
    percent[3] = PercentText(A * O * outcome * M * R, T, 100);
  }

  const double skillCritPower = p.critPower + static_cast<double>(m.critPowerBonus);
  if (std::fabs(skillCritPower - kCritPowerCap) <= kCapTolerance) {
    percent[4] = kZeroGain;
  } else {
    const double multiplier = (skillCritPower + kOneCritPowerPoint) / 100;
    const double outcome = t.baseOutcome + c * (multiplier - 1);
    percent[4] = PercentText(A * O * outcome * M * R, T, 100);
  }

  const double overcomeFactor = ((rawOvercome + 1) * overcomeScale) / kOvercomePointsPerFactor + 1;
  percent[5] = PercentText(A * overcomeFactor * E * M * R, T, 100);
  return gains;
}

}  // namespace qichun
