#pragma once
// "Preview": the first lines of a file about to be imported as text, with OK and Cancel.
// The data type and format choices are kept hidden: every import reads Modulation data
// in decimal.
#include <QDialog>

#include "ui/files/PreviewDialog.h"

class QButtonGroup;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace averoz {

class Tfrmdatasel : public QDialog, public PreviewDialog {
  Q_OBJECT
 public:
  static constexpr int kPreviewLines = 6;

  explicit Tfrmdatasel(QWidget* parent = nullptr);

  // Fills mePrev with the lines (it shows at most kPreviewLines of them).
  void SetLines(const std::vector<std::string>& lines);
  bool RunPreview(const std::vector<std::string>& lines) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QGroupBox* AddChoice(const char* name, const QString& caption, const QStringList& items,
                       QButtonGroup*& group);

  QPlainTextEdit* mePrev_;
  QGroupBox* rgsel_;
  QButtonGroup* rgselItems_;
  QGroupBox* rgfmt_;
  QButtonGroup* rgfmtItems_;
};

}  // namespace averoz
