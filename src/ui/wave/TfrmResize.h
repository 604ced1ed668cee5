#pragma once
// "Resize": new length, peak-to-peak amplitude and offset of the selection, checked when a
// field is left, with Preview in the document. One dialog serves the whole main window.
#include <QDialog>
#include <QString>
#include <array>

#include "core/wave/ResizeFields.h"
#include "core/wave/WaveResize.h"

class QLabel;
class QLineEdit;

namespace averoz {

class Prompter;
class UpDown;

class TfrmResize : public QDialog, public ResizeDialog {
  Q_OBJECT
 public:
  explicit TfrmResize(QWidget* parent = nullptr);
  static TfrmResize& instance(QWidget& owner);

  std::optional<ResizeRequest> Run(const ResizeSetup& setup, ResizeSession& session) override;

  // The check made when a field is left or Enter is pressed in it: ERRMSG 3, the last
  // accepted text back and the focus back in the field on failure.
  bool CheckField(ResizeField field);
  void Spin(ResizeField field, bool up);
  // The accepted texts in samples and codes.
  ResizeRequest Request() const;

  void bnOKClick();
  void bnpreviewClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Field {
    QLineEdit* ed = nullptr;
    QLabel* lbl = nullptr;
    QString accepted;
  };
  void AddField(ResizeField id, QWidget* parent, int y, const char* edName, const char* udName,
                const char* lblName, const char* caption, const char* text);
  Field& field(ResizeField id) { return fields_[static_cast<int>(id)]; }
  const Field& field(ResizeField id) const { return fields_[static_cast<int>(id)]; }
  void SetField(ResizeField id, std::int32_t value);
  bool CheckPending();

  std::array<Field, 3> fields_;
  QWidget* buttons_[3] = {};  // bnpreview, bnOK, bnCancel: leaving a field for them is no check
  ResizeSetup setup_;
  ResizeSession* session_ = nullptr;
};

}  // namespace averoz
