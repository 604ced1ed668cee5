#pragma once
// The device behind each COM name of Configure Interface. The port list shows every name with
// its device; the field beside the list edits the device of the chosen name. Changed devices
// go to section "RS", keys "COM1" .. "COM16".
//
// The field is as wide as the longest device the dialog opened with, so every stored path is
// seen whole, and its width never follows the text, so the dialog keeps its size.
#include <QLineEdit>
#include <QStringList>
#include <string>

class QComboBox;
class QStandardItemModel;

namespace averoz {

class IniFile;

class PortDeviceField : public QLineEdit {
  Q_OBJECT
 public:
  // Puts the COM names and their devices into ports, which the field then follows.
  PortDeviceField(QComboBox& ports, QWidget* parent);

  void load(const IniFile& settings);
  // Writes the COM keys whose device was changed (a cleared one as empty, which is the
  // default device); the others stay as they are, or absent.
  void save(IniFile& settings) const;
  // The device of COM number com (1-based) as the dialog stands.
  std::string devicePath(int com) const;

 private:
  void showChosen();
  void keepEdit(const QString& text);
  void fitWidth();

  QComboBox& ports_;
  QStandardItemModel* model_;
  QStringList loaded_;
};

}  // namespace averoz
