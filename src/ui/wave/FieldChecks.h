#pragma once
// The field handling the parameter dialogs share (waveform "Set Parameters" and "Resize",
// the pattern dialogs): each keeps the last accepted text of a field and checks a field when
// it is left or Enter is pressed in it.
#include <QRect>
#include <QString>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace averoz {

class Prompter;
class UpDown;
struct Message;

// A captioned field: the caption above, the entry below it and its arrow buttons beside it.
struct FieldRow {
  QLabel* lbl = nullptr;
  QLineEdit* ed = nullptr;
  UpDown* ud = nullptr;  // none when no udName is given
};
FieldRow AddFieldRow(QWidget* parent, int x, int y, int editWidth, const char* lblName,
                     const char* edName, const char* udName, const QString& caption);

// A panel of fields that shows or hides with the dialog's kind.
QWidget* AddFieldPanel(QWidget* dialog, const char* name, const QRect& geometry);

// A button of a dialog with field checks. Enter belongs to the checks, so the button never
// becomes the default one.
QPushButton* AddFieldDialogButton(QWidget* dialog, const char* name, const char* caption,
                                  const QRect& geometry);

// Blanks never stay at either end of the field's text.
void TrimWhileTyping(QLineEdit* ed);

// The application's prompter, or message boxes when none is set (a dialog made on its own).
Prompter& DialogPrompter();

// Settles a checked field: a kept text becomes the accepted one and true is returned;
// otherwise ERRMSG 3, the last accepted text back and the focus back in the field.
bool SettleField(QLineEdit* ed, QString& accepted, const std::optional<std::string>& kept);

// A refused entry: the message, `text` (the last accepted one) back in the field and, with
// `refocus`, the focus back in it.
void RefuseField(QLineEdit* ed, const QString& text, Prompter& prompter, const Message& message,
                 bool refocus = true);

// An arrow press: the spun text is shown and accepted at once.
void SettleSpin(QLineEdit* ed, QString& accepted, const std::string& spun);

// Return or Enter pressed.
bool IsEnterPress(const QEvent* event);

// A focus-out that moves to another control of the dialog. A message box or another window
// taking the focus is no move, and neither is one to a button in `exempt` (OK and Preview
// check the field themselves, Cancel needs no valid field).
bool LeavesForControl(const QEvent* event, const QWidget* dialog,
                      std::initializer_list<const QWidget*> exempt);

// Runs `check` on Enter and on LeavesForControl; true when the event was Enter, which the
// field then does not see.
bool CheckOnEnterOrLeave(const QEvent* event, const QWidget* dialog,
                         std::initializer_list<const QWidget*> exempt,
                         const std::function<void()>& check);

}  // namespace averoz
