#pragma once

namespace averoz {
class TMainForm;
// Data View (waveform and pattern windows), the Color dialog, and the waveform windows'
// calls into the data browser.
void InstallBrowserRoutes(TMainForm& main);
}  // namespace averoz
