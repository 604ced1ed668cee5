#pragma once
// A file chooser for tests that never expect a file dialog: every dialog is cancelled.
#include <optional>
#include <string>

#include "ui/files/FileChooser.h"

namespace averoz::test {

class NoFileDialog : public FileChooser {
 public:
  std::optional<std::string> Open(const OpenDialogRequest&) override { return std::nullopt; }
  std::optional<SaveDialogChoice> Run(const SaveDialogRequest&) override { return std::nullopt; }
};

}  // namespace averoz::test
