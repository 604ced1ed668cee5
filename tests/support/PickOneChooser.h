#pragma once
// A file chooser whose open dialog picks one given path; no save dialog is expected.
#include <optional>
#include <string>

#include "ui/files/FileChooser.h"

namespace averoz::test {

class PickOne : public FileChooser {
 public:
  std::string path;
  std::optional<std::string> Open(const OpenDialogRequest&) override { return path; }
  std::optional<SaveDialogChoice> Run(const SaveDialogRequest&) override { return std::nullopt; }
};

}  // namespace averoz::test
