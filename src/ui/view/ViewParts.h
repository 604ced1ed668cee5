#pragma once
// Widgets both document views put over their picture: the picture itself with inverted
// boxes over it, the zoom rectangle `zoomani`, the limit label `lblLimit`, the cursor
// lines, and the scroll bars' large change.
#include <QLabel>
#include <QScrollBar>
#include <QWidget>
#include <vector>

#include "core/view/ScrollRange.h"

class QImage;

namespace averoz {

// `ImgWave`: a rendered picture with boxes over it — each visible box wider than one pixel
// is inverted with its colour, a one-pixel box is painted plainly. The boxes are
// geometry-only widgets, so the picture itself stays untouched.
class XorImage : public QWidget {
 public:
  XorImage(const QImage& image, QWidget* parent);
  void AddBox(QWidget* box, const QColor* color) { boxes_.push_back({box, color}); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Box {
    QWidget* widget;
    const QColor* color;
  };
  const QImage& image_;
  std::vector<Box> boxes_;
};

// `zoomani`: the outline of the zoom animation, no fill.
class ZoomFrame : public QWidget {
 public:
  explicit ZoomFrame(QWidget* parent);
  QColor color;

 protected:
  void paintEvent(QPaintEvent*) override;
};

// `selStart`: the small downward mark above the graph where the selection begins.
class StartMark : public QWidget {
 public:
  static constexpr int kWidth = 7, kHeight = 5;
  explicit StartMark(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;
};

// The picture fills the panel's client area; the mouse area over it reaches one pixel
// further, so the content's last row and column can still be pointed at.
void PlacePicture(const QRect& client, QWidget* image, QWidget* mousepad);

// A hidden, mouse-transparent widget filled with one colour (cursor lines, markers).
QWidget* MakeLineWidget(const char* name, QWidget* parent);
QWidget* MakeBoxWidget(const char* name, QWidget* parent);
void FillWidget(QWidget* w, const QColor& color);

// `lblLimit`: "limit" in 13-pixel Tahoma, hidden.
QLabel* MakeLimitLabel(QWidget* parent);
void SetLabelColor(QLabel* label, const QColor& color);
// Shows the label centred at (cx, cy) of the parent.
void ShowLimitLabel(QLabel* label, const QString& text, int cx, int cy);
// Hides it and sets the text back to "limit".
void HideLimitLabel(QLabel* label);

// A click beside the thumb moves by `largeChange`, not by a page.
void UseLargeChange(QScrollBar* bar, int largeChange);
// Range, page and position of a bar without reporting a move.
void SetScrollBar(QScrollBar* bar, const ScrollBarState& state);

}  // namespace averoz
