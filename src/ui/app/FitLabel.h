#pragma once
// Fits a caption into the fixed area of a dialog by shrinking its font.
class QLabel;

namespace averoz {

// Sets the label's font to 9 points and sizes the label to its text, then places it by
// its width W: below 140 pixels at x = 20, 140..147 at x = 12, 148..155 at x = 4; at 156
// or more the font becomes one point smaller and the label is measured again. Only the
// font size, the label's size and its x position change. At 1 point the label is placed at
// x = 4 whatever its width, so the loop always ends.
void FitLabel(QLabel* label);

}  // namespace averoz
