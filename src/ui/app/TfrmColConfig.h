#pragma once
// View ▸ Color: the eight colours of the document windows as swatches and on a sample
// picture, six themes and a chooser per role. OK stores the colours in section "Color" and
// re-colours every open document window; Cancel changes nothing.
#include <QColor>
#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "core/app/ColorConfig.h"

class QComboBox;
class QFrame;
class QLabel;
class QToolButton;

namespace averoz {

class TMainForm;

class TfrmColConfig : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kSampleWidth = 240;
  static constexpr int kSampleHeight = 130;

  explicit TfrmColConfig(QWidget* parent = nullptr);

  // The one dialog of the main window, made at its first use.
  static TfrmColConfig& instance(TMainForm& main);
  // The menu command: shows the dialog modally; on OK writes and applies the colours.
  static bool Execute(TMainForm& main);

  // The system colour chooser; tests put a scripted one here (nullptr: the real one).
  using Chooser = std::function<std::optional<QColor>(const QColor& current, QWidget* parent)>;
  static void setChooser(Chooser chooser);

  // Working colours from the settings, no theme selected.
  void FormShow();
  // Stores the working colours and re-colours the document windows of main.
  bool bnOKClick(TMainForm& main);
  void cbColorThemeChange(int index);
  void PickColor(ColorRole role);
  void sbiniClick();

  const ColorSet& workingColors() const { return colors_; }

 private:
  void Redraw();

  ColorSet colors_{};
  std::array<QFrame*, kColorRoleCount> swatches_{};
  QComboBox* cbColorTheme_;
  QLabel* imgSample_;
  QWidget* selBox_;
  QWidget* spZm_;
};

// The sample picture: background, grid, cursors, a sine half protected, an XOR rubber line
// with its cross, the selection box (XOR) and the zoom rectangle.
QImage DrawColorSample(const ColorSet& colors, QSize size, const QRect& selBox,
                       const QRect& zoomBox);
QColor QColorOf(ColorValue color);

}  // namespace averoz
