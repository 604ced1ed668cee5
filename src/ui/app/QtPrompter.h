#pragma once
// Shows the core's messages as modal boxes in the current language.
#include <QPointer>
#include <QWidget>

#include "core/app/Prompter.h"

class QStatusBar;

namespace averoz {

class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  void setStatusBar(QStatusBar* bar) { statusBar_ = bar; }

  Answer ask(const Message& message, Buttons buttons, Icon icon) override;
  void showText(const std::string& text, Icon icon) override;
  void status(const std::string& text) override;
  void processEvents() override;

 private:
  QPointer<QWidget> parent_;
  QStatusBar* statusBar_ = nullptr;
};

}  // namespace averoz
