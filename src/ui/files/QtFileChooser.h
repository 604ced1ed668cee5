#pragma once
// The file dialogs of the desktop.
#include <QPointer>
#include <QWidget>

#include "ui/files/FileChooser.h"

namespace averoz {

class QtFileChooser : public FileChooser {
 public:
  explicit QtFileChooser(QWidget* parent) : parent_(parent) {}

  std::optional<std::string> Open(const OpenDialogRequest& request) override;
  // The save dialog asks nothing about overwriting: the save command asks itself.
  std::optional<SaveDialogChoice> Run(const SaveDialogRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace averoz
