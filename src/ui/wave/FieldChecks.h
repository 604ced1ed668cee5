#pragma once
// The field handling the "Set Parameters" and "Resize" dialogs share: each keeps the last
// accepted text of a field and checks a field when it is left or Enter is pressed in it.
#include <QString>
#include <initializer_list>
#include <optional>
#include <string>

class QEvent;
class QLineEdit;
class QWidget;

namespace averoz {

class Prompter;

// The application's prompter, or message boxes when none is set (a dialog made on its own).
Prompter& DialogPrompter();

// Settles a checked field: a kept text becomes the accepted one and true is returned;
// otherwise ERRMSG 3, the last accepted text back and the focus back in the field.
bool SettleField(QLineEdit* ed, QString& accepted, const std::optional<std::string>& kept);

// An arrow press: the spun text is shown and accepted at once.
void SettleSpin(QLineEdit* ed, QString& accepted, const std::string& spun);

// Return or Enter pressed.
bool IsEnterPress(const QEvent* event);

// A focus-out that moves to another control of the dialog. A message box or another window
// taking the focus is no move, and neither is one to a button in `exempt` (OK and Preview
// check the field themselves, Cancel needs no valid field).
bool LeavesForControl(const QEvent* event, const QWidget* dialog,
                      std::initializer_list<const QWidget*> exempt);

}  // namespace averoz
