#include "skills/skill_model.h"

#include "core/number_rules.h"

namespace qichun {

const std::array<SkillProfile, kSkillCount>& SkillProfiles() {
  static const std::array<SkillProfile, kSkillCount> profiles = {{
      {1, "四象轮回", "四象轮回", 0, 1.0157, 190},
      {2, "两仪化形（五豆）", "两仪化形", 2, 1.2605, 286},
      {3, "太极无极", "太极无极", 4, 0.4584, 76},
      {4, "六合独尊", "六合独尊", 6, 0.427, 207},
      {5, "万世不竭", "万世不竭", 8, 1.4011, 216},
      {6, "剑出鸿蒙", "剑出鸿蒙", 10, 0.41668, 104},
  }};
  return profiles;
}

SkillModifierSet CollectSkillModifiers(const InputSnapshot& s) {
  SkillModifierSet m{};
  const auto book = [&s](int n) { return s.skillBook[static_cast<std::size_t>(n)]; };

  SkillModifiers& sixiang = m[SixiangLunhui];
  sixiang.critBonus += 4 * book(1) + 3 * book(2) + 2 * book(3);
  sixiang.damageBonus += 10 * s.talentWusuo;
  sixiang.critBonus += 10 * s.talentBaihong;
  sixiang.critPowerBonus += 10 * s.talentBaihong;
  sixiang.damageBonus += 5 * s.buffOrangeWeapon;

  SkillModifiers& liangyi = m[LiangyiHuaxing];
  liangyi.critBonus += 4 * book(9) + 3 * book(5) + 2 * book(6);
  liangyi.damageBonus += 3 * book(8) + 4 * book(4) + 5 * book(7);
  liangyi.damageBonus += 10 * s.talentShuangfeng;
  liangyi.critBonus += 10 * s.talentWuxing;
  liangyi.critPowerBonus += 10 * s.talentWuxing;

  SkillModifiers& taiji = m[TaijiWuji];
  taiji.critBonus += 4 * book(13) + 3 * book(14) + 2 * book(15);
  taiji.damageBonus += 15 * book(12) + 15 * book(11) + 20 * book(10);
  taiji.damageBonus += 5 * s.buffOrangeWeapon;

  m[LiuheDuzun].damageBonus += 10 * s.talentShuangfeng;

  SkillModifiers& wanshi = m[WanshiBujie];
  wanshi.damageBonus += 3 * book(19) + 4 * book(18) + 5 * book(17);
  wanshi.critBonus += 10 * s.talentWanwu;
  wanshi.critPowerBonus += 10 * s.talentWanwu;
  wanshi.damageBonus += 75 * s.talentKuibu;
  wanshi.damageBonus += 10 * s.buffSetDamage;
  return m;
}

SkillModifierSet ClampSkillModifiers(SkillModifierSet modifiers, const AttributePanel& p) {
  for (SkillModifiers& m : modifiers) {
    if ((p.crit + static_cast<double>(m.critBonus)) - p.critCap * 100.0 >= -kCapTolerance) {
      m.critBonus = TruncToInt(p.critCap * 100.0 - p.crit);
    }
    if ((p.critPower + static_cast<double>(m.critPowerBonus)) - kCritPowerCap >= -kCapTolerance) {
      m.critPowerBonus = TruncToInt(kCritPowerCap - p.critPower);
    }
  }
  return modifiers;
}

SkillTerms ComputeSkillTerms(const SkillProfile& skill, const SkillModifiers& m, const AttributePanel& p) {
  SkillTerms t{};
  t.attackTerm = p.attackPower * skill.attackCoefficient + skill.baseDamage;
  t.overcomeFactor = p.overcome / 3616.925 + 1;
  t.critChance = (p.crit + static_cast<double>(m.critBonus)) / 100;
  t.critMultiplier = (p.critPower + static_cast<double>(m.critPowerBonus)) / 100;
  t.baseOutcome = p.insightRate * 0.25 + ((1 - static_cast<double>(p.missRate)) - p.insightRate);
  t.critTerm = t.critChance * (t.critMultiplier - 1);
  t.outcomeFactor = p.insightRate * 0.25 + ((1 - static_cast<double>(p.missRate)) - p.insightRate) + t.critTerm;
  t.damageMultiplier = m.damageBonus / 100.0 + 1;
  t.mitigation = 1 - static_cast<double>(p.damageReduction);
  return t;
}

SkillResult ComputeSkillResult(const SkillProfile& skill, const SkillModifiers& m, const AttributePanel& p) {
  const SkillTerms t = ComputeSkillTerms(skill, m, p);
  SkillResult r;
  r.expectedDamage = ToFloat32(t.attackTerm * t.overcomeFactor * t.outcomeFactor * t.damageMultiplier * t.mitigation);
  const double hitValue = t.attackTerm * t.overcomeFactor * t.damageMultiplier * t.mitigation;
  r.hitDamage = TruncToInt(hitValue);
  r.critDamage = TruncToInt((r.hitDamage * (p.critPower + static_cast<double>(m.critPowerBonus))) / 100);
  r.insightDamage = TruncToInt(r.hitDamage / 4.0);
  return r;
}

DamageText DamageTextFor(const SkillProfile& skill) {
  return skill.number == 1 ? DamageText::TruncatedInteger : DamageText::Float;
}

std::array<std::string, 8> FormatSkillRow(const SkillResult& r, const SkillModifiers& m, const AttributePanel& p,
                                          DamageText damageText) {
  return {
      damageText == DamageText::TruncatedInteger ? IntToText(TruncToInt(r.expectedDamage))
                                                 : FloatToText(r.expectedDamage),
      RoundedText(p.missRate * 100.0, 2),
      RoundedText(p.insightRate * 100.0, 2),
      RoundedText(static_cast<double>(r.insightDamage), 2),
      RoundedText(p.critCap * 100.0 - p.crit - m.critBonus, 2),
      IntToText(r.hitDamage),
      RoundedText(p.crit + static_cast<double>(m.critBonus), 2),
      IntToText(r.critDamage),
  };
}

}  // namespace qichun
