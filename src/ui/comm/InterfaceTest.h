#pragma once
// The "Test" row of Configure Interface: runs the identification over the chosen interface
// with the values the dialog shows (saved or not) and shows the instrument's identity line, or
// the message the failure gave. The result field has a fixed height, so the dialog keeps its
// size whatever comes back.
#include <QWidget>
#include <functional>
#include <string>

#include "core/comm/TransferSettings.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace averoz {

// What the identification needs besides the interface settings.
struct InterfaceSetup {
  TransferSettings values;  // with the delimiter strings of the chosen delimiters
  std::string gpibLibrary;
  std::function<std::string(int com)> comDevice;
};

class InterfaceTest : public QWidget {
  Q_OBJECT
 public:
  InterfaceTest(std::function<InterfaceSetup()> setup, QWidget* parent);

  // Runs the test as the button does.
  void bnTestClick();

 private:
  std::function<InterfaceSetup()> setup_;
  QComboBox* cbTestMethod_;
  QPushButton* bnTest_;
  QPlainTextEdit* edTestResult_;
};

}  // namespace averoz
