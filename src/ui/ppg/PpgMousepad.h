#pragma once
// The gestures on the pattern view's `Mousepad`: select (press and drag, Alt freezes),
// cursor (grab a line and drag it), bit pen (plain, High, Lo; Alt writes Lo with the plain
// pen), Ctrl + left / right press to zoom at the pointer, right press for the pop-up menu.
#include <QPoint>

#include "ui/wave/Mousepad.h"

namespace averoz {

class PpgView;

class PpgMousepad : public MousepadHandler {
 public:
  static inline const char* const kHint =
      "Ctrl+L_Click:<-> X  Ctrl+R_Click:>-< X  R_Click:Menu";
  static inline const char* const kPenHint =
      "\u3000左クリック：Ｈｉｇｈ\u3000Alt＋左クリック：Ｌｏ";

  explicit PpgMousepad(PpgView& view) : view_(view) {}

  bool mouseDown() const { return mouseDown_; }
  int cursorGrab() const { return cursorGrab_; }
  // A hidden window holds no pointer and no gesture.
  void Cancel();

  void MousepadMouseDown(QMouseEvent* event) override;
  void MousepadMouseMove(QMouseEvent* event) override;
  void MousepadMouseUp(QMouseEvent* event) override;
  void MousepadDblClick(QMouseEvent* event) override { MousepadMouseDown(event); }
  void MousepadMouseEnter() override {}

 private:
  void PenPress(QPoint pos, bool alt);
  void PenDrag(QPoint pos, bool alt);
  void CursorHover(QPoint pos, bool inside);
  QPoint HeldPosition(QPoint pos);

  PpgView& view_;
  bool mouseDown_ = false;
  int cursorGrab_ = 0;
  int penX_ = 0;  // the last column the pen wrote
};

}  // namespace averoz
