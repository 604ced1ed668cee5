#pragma once
// The open and save dialogs of the file commands behind one interface, so that the commands
// run in tests with a scripted chooser. Filters use the "Caption|*.ext;*.ext2|..." form the
// commands build; the Qt adapter translates them.
#include <optional>
#include <string>

#include "core/files/SaveFlow.h"

namespace averoz {

struct OpenDialogRequest {
  std::string filter;
  int filterIndex = 1;
  std::string fileName;
};

class FileChooser : public SaveDialog {
 public:
  // The modal open dialog (only existing files can be chosen); empty on Cancel.
  virtual std::optional<std::string> Open(const OpenDialogRequest& request) = 0;
};

}  // namespace averoz
