#include "core/ppg/PpgParamFields.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/app/general.h"

namespace averoz {

namespace {

std::string Trimmed(std::string_view t) {
  const auto b = t.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  const auto e = t.find_last_not_of(" \t");
  return std::string(t.substr(b, e - b + 1));
}

std::string Dec2(std::int32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.2d", v);
  return buf;
}

std::string Hex2(std::int32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.2X", unsigned(v));
  return buf;
}

double SnapDuty(double duty, std::int32_t period) {
  return RoundHalfAway(duty * period / 100.0) / double(period) * 100.0;
}

}  // namespace

PpgParamFields::PpgParamFields(const PpgParamSetup& setup) : setup_(setup) {
  SetData(setup.dataLen, true);
  SetPeriod(2);
  texts_[int(PpgField::Duty)] = "50";
  texts_[int(PpgField::Bin)] = "000000";
  texts_[int(PpgField::Dec)] = "00";
  texts_[int(PpgField::Hex)] = "00";
  for (int i = 0; i < 7; ++i) prev_[i] = texts_[i];
}

std::string PpgParamFields::X(double addresses) const {
  return FormatNumber(setup_.scale.IndexToX(addresses));
}

std::string PpgParamFields::CaptionSuffix() const {
  switch (setup_.fillMode) {
    case PpgFillMode::Insert: return "<Insert>";
    case PpgFillMode::Replace: return "<Replace>";
    case PpgFillMode::Overwrite: return "<Overwrite>";
    default: return {};
  }
}

std::string PpgParamFields::DataLabel() const {
  if (!dataEnabled()) return "Data Length";
  return "Data Length(" + X(setup_.minLen) + "_" + X(setup_.maxLen) + ")";
}

std::string PpgParamFields::CyclLabel() const { return "Cycles(" + X(2) + "_" + X(setup_.maxLen) + ")"; }

std::string PpgParamFields::RptLabel() const {
  const double most = setup_.clipLen > 0 ? double(setup_.maxLen) / setup_.clipLen : 0.0;
  return "Repeat Count(0_" + FormatNumber(most) + ")";
}

std::string PpgParamFields::ClipText() const { return X(setup_.clipLen); }

void PpgParamFields::SetData(std::int32_t n, bool deriveRepeat) {
  count_ = n;
  texts_[int(PpgField::Data)] = prev_[int(PpgField::Data)] = X(n);
  if (deriveRepeat && setup_.kind == PpgKind::Clipboard && setup_.clipLen > 0)
    SetRepeat(double(n) / setup_.clipLen);
}

void PpgParamFields::SetPeriod(std::int32_t p) {
  curPeriod_ = p;
  texts_[int(PpgField::Cycl)] = prev_[int(PpgField::Cycl)] = X(p);
}

void PpgParamFields::SetDuty(double duty) {
  texts_[int(PpgField::Duty)] = prev_[int(PpgField::Duty)] = FormatNumber(SnapDuty(duty, curPeriod_));
}

void PpgParamFields::SetRepeat(double r) {
  repeat_ = r;
  texts_[int(PpgField::Rpt)] = prev_[int(PpgField::Rpt)] = FormatNumber(r);
}

void PpgParamFields::SetValue(std::int32_t v) {
  texts_[int(PpgField::Bin)] = prev_[int(PpgField::Bin)] = IntToBin6(v);
  texts_[int(PpgField::Dec)] = prev_[int(PpgField::Dec)] = Dec2(v);
  texts_[int(PpgField::Hex)] = prev_[int(PpgField::Hex)] = Hex2(v);
}

FieldRefusal PpgParamFields::Refuse(PpgField f, std::string suffix) {
  texts_[int(f)] = prev_[int(f)];
  return Message{ERRMSG(3), {}, std::move(suffix)};
}

FieldRefusal PpgParamFields::Enter(PpgField f, std::string_view text) {
  switch (f) {
    case PpgField::Data:
    case PpgField::Cycl: return EnterLength(f, text);
    case PpgField::Duty: return EnterDuty(text);
    case PpgField::Rpt: return EnterRepeat(text);
    default: return EnterValue(f, text);
  }
}

FieldRefusal PpgParamFields::EnterLength(PpgField f, std::string_view typed) {
  const std::string t = Trimmed(typed);
  double x = 0;
  if (!IsUnsignedDecimal(t) || !ParseDecimal(t, x)) return Refuse(f);
  const std::int32_t n = setup_.scale.XToIndex(x);
  if (f == PpgField::Data) {
    if (!dataEnabled()) return std::nullopt;  // the length of an Overwrite is the selection's
    if (n < setup_.minLen || n > setup_.maxLen) return Refuse(f);
    SetData(n, true);
    return std::nullopt;
  }
  if (n < 2 || n > setup_.maxLen) return Refuse(f);
  SetPeriod(n);
  double duty = 0;
  ParseDecimal(text(PpgField::Duty), duty);
  SetDuty(duty);
  return std::nullopt;
}

FieldRefusal PpgParamFields::EnterDuty(std::string_view typed) {
  const std::string t = Trimmed(typed);
  double duty = 0;
  if (!IsSignedDecimal(t) || !ParseDecimal(t, duty) || duty < 0 || duty > 100)
    return Refuse(PpgField::Duty);
  SetDuty(duty);
  return std::nullopt;
}

FieldRefusal PpgParamFields::EnterRepeat(std::string_view typed) {
  const std::string t = Trimmed(typed);
  double r = 0;
  if (!IsUnsignedDecimal(t) || !ParseDecimal(t, r) || setup_.clipLen < 1) return Refuse(PpgField::Rpt);
  const double len = r * setup_.clipLen;
  if (RoundHalfAway(len) > setup_.maxLen) return Refuse(PpgField::Rpt);
  // An insertion of nothing would leave the selection ending before it starts.
  if (dataEnabled() && RoundHalfAway(len) < setup_.minLen) return Refuse(PpgField::Rpt);
  SetRepeat(r);
  if (dataEnabled()) SetData(RoundHalfAway(len), false);
  return std::nullopt;
}

FieldRefusal PpgParamFields::EnterValue(PpgField f, std::string_view typed) {
  const std::string t(typed);
  const bool chars = f == PpgField::Bin   ? IsBinaryText(t) && t.size() <= 6
                     : f == PpgField::Dec ? IsDigits(t) && t.size() <= 2
                                          : IsHexText(t) && t.size() <= 2;
  if (!chars) {
    texts_[int(f)] = prev_[int(f)];
    return std::nullopt;
  }
  const std::int32_t v = f == PpgField::Bin ? BinToInt(t) : f == PpgField::Dec ? std::stoi(t) : HexToInt(t);
  if (v > maxValue()) {
    const std::string limit = f == PpgField::Bin   ? IntToBin6(maxValue())
                              : f == PpgField::Dec ? std::to_string(maxValue())
                                                   : Hex2(maxValue());
    return Refuse(f, " (Max" + limit + ") ");
  }
  SetValue(v);
  return std::nullopt;
}

void PpgParamFields::Step(PpgField f, bool up) {
  const int sign = up ? 1 : -1;
  switch (f) {
    case PpgField::Data:
      if (dataEnabled())
        SetData(std::clamp(count_ + 100 * sign, setup_.minLen, std::max(setup_.minLen, setup_.maxLen)), true);
      break;
    case PpgField::Cycl: {
      SetPeriod(std::clamp(curPeriod_ + sign, 2, std::max(2, setup_.maxLen)));
      double duty = 0;
      ParseDecimal(text(PpgField::Duty), duty);
      SetDuty(duty);
      break;
    }
    case PpgField::Duty: {
      double duty = 0;
      ParseDecimal(text(PpgField::Duty), duty);
      const double step = std::max(100.0 / curPeriod_, 1.0);
      SetDuty(std::clamp(duty + step * sign, 0.0, 100.0));
      break;
    }
    case PpgField::Rpt:
      if (setup_.clipLen > 0) {
        const double most = double(setup_.maxLen) / setup_.clipLen;
        Enter(PpgField::Rpt, FormatNumber(std::clamp(repeat_ + sign, 0.0, most)));
      }
      break;
    default: break;
  }
}

PpgParamChoice PpgParamFields::Choice() const {
  PpgParamChoice c;
  c.count = count_;
  c.period = curPeriod_;
  ParseDecimal(text(PpgField::Duty), c.duty);
  c.repeatCount = repeat_;
  c.valueBits = text(PpgField::Bin);
  return c;
}

}  // namespace averoz
