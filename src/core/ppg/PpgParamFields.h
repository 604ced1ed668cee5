#pragma once
// The fields of the pattern "Set Parameters" dialog and what each accepts: the data length,
// the period and duty of Clock and Counter, the repeat count of Clipboard and the Value in
// binary, decimal and hex. The dialog widgets and the command line both edit through this
// class, so the rules live in one place. Lengths and periods show in X units ("0.###") and
// are held in whole addresses.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/Prompter.h"
#include "core/ppg/PpgGenerator.h"
#include "core/wave/WaveScale.h"

namespace averoz {

enum class PpgFillMode : std::uint8_t { Insert = 0, Replace = 1, Overwrite = 2, Closed = 3 };

enum class PpgField { Data, Cycl, Duty, Rpt, Bin, Dec, Hex };

// What the generator command prepares before the dialog shows.
struct PpgParamSetup {
  PpgKind kind = PpgKind::High;
  PpgFillMode fillMode = PpgFillMode::Insert;
  std::int32_t dataLen = 0;  // initial length in addresses (fixed in Overwrite mode)
  std::int32_t maxLen = 0;
  std::int32_t minLen = 2;
  int rowCount = 1;
  std::int32_t clipLen = 0;  // the pattern clipboard's length (Clipboard)
  WaveScale scale;           // X units of the document
};

// The values the generator runs with.
struct PpgParamChoice {
  std::int32_t count = 0;
  double period = 2;
  double duty = 50;
  double repeatCount = 0;
  std::string valueBits = "000000";
};

// The outcome of leaving a field: nothing to say, or the message to show (the field then
// holds its last accepted text again).
using FieldRefusal = std::optional<Message>;

class PpgParamFields {
 public:
  explicit PpgParamFields(const PpgParamSetup& setup);

  const PpgParamSetup& setup() const { return setup_; }
  // Caption suffix "<Insert>", "<Replace>", "<Overwrite>".
  std::string CaptionSuffix() const;
  bool dataEnabled() const { return setup_.fillMode != PpgFillMode::Overwrite; }
  bool noRoom() const { return setup_.maxLen < setup_.minLen; }
  std::int32_t maxValue() const { return (1 << setup_.rowCount) - 1; }

  // Labels: "Data Length(2_16384)" / "Data Length", "Cycles(2_N)", "Repeat Count(0_R)".
  std::string DataLabel() const;
  std::string CyclLabel() const;
  std::string RptLabel() const;

  const std::string& text(PpgField f) const { return texts_[int(f)]; }
  std::string ClipText() const;  // edClip: the clipboard's length

  // The field was left (or Enter pressed) with this text. A character-check failure of the
  // value fields puts the last text back silently (no message).
  FieldRefusal Enter(PpgField f, std::string_view text);
  // One press of the field's spin button.
  void Step(PpgField f, bool up);

  PpgParamChoice Choice() const;

 private:
  FieldRefusal EnterLength(PpgField f, std::string_view text);
  FieldRefusal EnterDuty(std::string_view text);
  FieldRefusal EnterRepeat(std::string_view text);
  FieldRefusal EnterValue(PpgField f, std::string_view text);
  void SetData(std::int32_t n, bool deriveRepeat);
  void SetPeriod(std::int32_t p);
  void SetDuty(double duty);
  void SetRepeat(double r);
  void SetValue(std::int32_t v);
  std::string X(double addresses) const;
  FieldRefusal Refuse(PpgField f, std::string suffix = {});

  PpgParamSetup setup_;
  std::string texts_[7];
  std::string prev_[7];
  std::int32_t count_ = 0;
  std::int32_t curPeriod_ = 2;
  double repeat_ = 0;  // exact when it comes from the length, as typed otherwise
};

}  // namespace averoz
