#pragma once
// "Set Parameters": the fields of a standard shape, checked when they are left, with
// Preview, OK and Cancel handed to the flow that opened the dialog (document, operand or
// fill mode). One dialog serves the whole main window and is reused.
#include <QDialog>
#include <QString>
#include <array>

#include "core/wave/ParamDialog.h"
#include "core/wave/ParamLimits.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace averoz {

class Prompter;
class UpDown;

class TfrmParam : public QDialog, public ParamDialog {
  Q_OBJECT
 public:
  static inline const QString kCaption = QStringLiteral("Set Parameters");

  explicit TfrmParam(QWidget* parent = nullptr);

  // The dialog of the window `owner` (the main window), made there on first use.
  static TfrmParam& instance(QWidget& owner);

  bool Run(const ParamDialogSetup& setup, ParamDialogHandler& handler) override;

  // The check made when a field is left or Enter is pressed in it. On failure: ERRMSG 3,
  // the last accepted text back and the focus back in the field.
  bool CheckField(ParamField field);
  // One press of the field's spin button.
  void Spin(ParamField field, bool up);
  // What the fields hold now, in samples and codes.
  ParamChoice Choice() const;

  void bnOKClick();
  void bnpreviewClick();
  void cboWaveChange();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Field {
    ParamField id;
    QLineEdit* ed = nullptr;
    UpDown* ud = nullptr;
    QLabel* lbl = nullptr;
    QString accepted;  // the last accepted text
  };

  QWidget* AddPanel(const char* name, int y, int height);
  void AddField(ParamField id, QWidget* parent, int y, const char* edName, const char* udName,
                const char* lblName, const char* caption, const char* text);
  Field& field(ParamField id) { return fields_[static_cast<int>(id)]; }
  const Field& field(ParamField id) const { return fields_[static_cast<int>(id)]; }
  Field* fieldOf(QObject* watched);
  void Prepare();
  void ShowPanels(int kind);
  // Checks every shown field whose text was changed and not yet checked; false on failure.
  bool CheckPending();

  std::array<Field, 7> fields_;
  QComboBox* cboWave_;
  QWidget* pnAmp_;
  QWidget* pncyclph_;
  QWidget* pnDamp_;
  QWidget* pnDuty_;
  QCheckBox* chkProt_;
  QPushButton* bnpreview_;
  QPushButton* bnOK_;
  QPushButton* bnCancel_;

  ParamDialogSetup setup_;
  ParamDialogHandler* handler_ = nullptr;
};

}  // namespace averoz
