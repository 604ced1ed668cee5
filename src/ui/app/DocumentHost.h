#pragma once
// What a document window and its commands may use of the frame window: the frame as the
// owner of shared dialogs and state, its actions and named controls, the prompter, and the
// reports a document window sends. Document windows include this, never the main window's
// own header, so that the shell stays on top of the document subsystems.
#include <QString>
#include <QWidget>
#include <cstdint>

class QAction;

namespace averoz {

class DocumentWindow;
class Prompter;

class DocumentHost {
 public:
  virtual ~DocumentHost() = default;

  // The frame window: parent of the shared dialogs, holder of what all documents share.
  virtual QWidget& hostWidget() = 0;
  virtual QAction* action(const QString& name) const = 0;
  virtual Prompter& prompter() = 0;
  virtual DocumentWindow* activeDocument() const = 0;
  // Settings "Refresh"/"Limit": larger changes reload the data browser instead of its rows.
  virtual std::int32_t refreshLimit() const = 0;

  // Document windows report here.
  virtual bool ConfirmDocumentClose(DocumentWindow& document) = 0;
  virtual void DocumentClosing(DocumentWindow& document) = 0;
  virtual void DocumentActivated(DocumentWindow& document) = 0;

  // A named control of the frame (a menu, a tool button, a read-out field); nullptr when
  // there is none of that type.
  template <typename T>
  T* control(const QString& name) {
    return hostWidget().findChild<T*>(name);
  }
};

}  // namespace averoz
