#pragma once
// "Set Parameters" of patterns: the length, period, duty, value and repeat fields of a
// generator, each checked by PpgParamFields when it is left or Enter is pressed in it, with
// Preview drawing the current choice into the document.
#include <QDialog>
#include <QString>
#include <array>

#include "core/ppg/PpgGenerateCommand.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace averoz {

class Prompter;
class UpDown;

class Tfrmppgparam : public QDialog, public PpgParamDialog {
  Q_OBJECT
 public:
  static inline const QString kCaption = QStringLiteral("Set Parameters");

  // Refusals of the fields go to `prompter`.
  Tfrmppgparam(QWidget* parent, Prompter& prompter);

  std::optional<PpgParamChoice> Run(PpgParamFields& fields, PpgPreviewHandler& handler) override;

  // The check made when a field is left or Enter is pressed in it; false when refused.
  bool CheckField(PpgField field);
  // One press of the field's spin button.
  void Spin(PpgField field, bool up);

  void bnOKClick();
  void bnpreviewClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* AddPanel(const char* name, int y, int height);
  void AddField(PpgField id, QWidget* parent, int y, const char* edName, const char* udName,
                const char* lblName, const char* caption);
  void AddValueField(PpgField id, int y, const char* edName, const char* caption,
                     const char* mask);
  QLineEdit*& edit(PpgField id) { return edits_[static_cast<std::size_t>(id)]; }
  // Every field shows the text PpgParamFields holds for it.
  void ShowTexts();
  void ShowPanels(PpgKind kind);
  // Checks every shown field whose text differs from the accepted one; false on a refusal.
  bool CheckPending();

  Prompter& prompter_;
  std::array<QLineEdit*, 7> edits_{};
  std::array<UpDown*, 4> spins_{};  // Data, Cycl, Duty, Rpt
  QComboBox* cboSelect_;
  QLabel* lblDataPts_ = nullptr;
  QLabel* lblCycl_ = nullptr;
  QLabel* lblRpt_ = nullptr;
  QLineEdit* edClip_ = nullptr;
  QWidget* pnCycl_;
  QWidget* pnDuty_;
  QWidget* pnVal_;
  QWidget* pnrepeat_;
  QPushButton* bnOK_;
  QPushButton* bnCancel_;
  QPushButton* bnpreview_;

  PpgParamFields* fields_ = nullptr;
  PpgPreviewHandler* handler_ = nullptr;
};

}  // namespace averoz
