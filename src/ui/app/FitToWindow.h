#pragma once
// "Fit to Window" of the waveform and pattern windows: the checkable action `ZoomFit1`
// (View menu item and the zoom tool bar's button beside Max and All), the settings key
// that keeps the choice for new windows, and the check that follows the active window.
namespace averoz {

class DocumentHost;
class TMainForm;

inline constexpr const char* kFitAction = "ZoomFit1";
inline constexpr const char* kFitSection = "View";
inline constexpr const char* kFitKey = "FitToWindow";

// The choice kept in the settings file; off when the file says nothing.
bool FitToWindowChosen();
// The action's check shows the active window's state (a zoom step leaves fit mode there).
void ShowFitCheck(DocumentHost& host, bool on);
// Toggling the action switches every open waveform and pattern window and keeps the
// choice for the windows that come later.
void InstallFitToWindow(TMainForm& main);

}  // namespace averoz
