#pragma once
// What the editor remembers of the user's habits from one run to the next, in settings keys
// of its own: the main window's place, size and maximised state (section "Window"), and the
// folder each file dialog was last left in (section "Folders"). A write that fails is not
// worth a message: the habit is simply not kept.
#include <QString>

class QWidget;

namespace averoz {

// Before the main window is asked to close.
void RememberMainWindow(const QWidget& window);
// Shows the main window as the last run left it; the first run starts maximised on the
// whole screen.
void ShowMainWindow(QWidget& window);

// The folder a file dialog ("Open", "Save") was last left in, or empty when there is none
// or it is gone.
QString LastFolder(const char* dialog);
// The folder of the file chosen in that dialog.
void RememberFolder(const char* dialog, const QString& chosenFile);

}  // namespace averoz
