#pragma once
// The GPIB driver library of Configure Interface: a path with a file chooser beside it, kept
// in section "GPIB" key "Library". Blank means the default library.
#include <QWidget>
#include <memory>
#include <string>

class QLineEdit;
class QToolButton;

namespace averoz {

class FileChooser;
class IniFile;

class GpibLibraryField : public QWidget {
  Q_OBJECT
 public:
  explicit GpibLibraryField(QWidget* parent = nullptr);
  ~GpibLibraryField() override;

  void load(const IniFile& settings);
  // Writes the key only when the field differs from what was loaded, so an untouched field
  // adds nothing to the settings file.
  void save(IniFile& settings) const;
  // The library a transfer would load with the field as it stands.
  std::string library() const;

  // Tests script the file dialog.
  void setChooser(FileChooser* chooser) { chooserOverride_ = chooser; }

 private:
  void browse();

  QLineEdit* edGpibLibrary_;
  QToolButton* bnGpibLibrary_;
  QString loaded_;
  std::unique_ptr<FileChooser> ownChooser_;
  FileChooser* chooserOverride_ = nullptr;
};

}  // namespace averoz
