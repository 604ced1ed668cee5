#pragma once
// The numbers typed into the rescale fields (X full scale, Y minimum and maximum) and the
// selection fields (start, end, length) of a waveform document.
#include <optional>
#include <string>
#include <string_view>

#include "core/app/Prompter.h"
#include "core/wave/WaveDoc.h"

namespace averoz {

enum class EntryOutcome {
  Accepted,  // the document took the value
  Reset,     // not a number of the field's kind: the field quietly shows the old value
  Refused,   // out of range: the message is shown, the old value put back, the focus kept
};

struct EntryResult {
  EntryOutcome outcome = EntryOutcome::Reset;
  std::optional<Message> message;  // set when Refused
};

// The smallest X full scale: one unit may span at most 1000 samples.
int MinRescaleX(int dataLen);

EntryResult EnterRescaleX(WaveDoc& doc, std::string_view text);
// The Y limits are checked against the text of the other field, which always holds its
// accepted value.
EntryResult EnterRescaleYMin(WaveDoc& doc, std::string_view text, std::string_view maxText);
EntryResult EnterRescaleYMax(WaveDoc& doc, std::string_view text, std::string_view minText);
// The "NX" and "NY" buttons.
void ResetRescaleX(WaveDoc& doc);
void ResetRescaleY(WaveDoc& doc);

enum class SelField { Begin, End, Length };
// Sets the selection from the typed X value; false when the text fails the character
// check (the field shows the old value). Ends stay within the drawn part when there is one
// and always within the document.
bool EnterSelection(WaveDoc& doc, SelField field, std::string_view text);
// The read-outs: selBegin, selEnd and the length in X units.
std::string SelectionText(const WaveDoc& doc, SelField field);

}  // namespace averoz
