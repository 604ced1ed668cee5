#pragma once

namespace averoz {
class TMainForm;
// Registers every document and file command with the main window's routing.
void InstallCommandRoutes(TMainForm& main);
}  // namespace averoz
