#pragma once
// Files given to the editor from outside: named on its command line, or handed over by a
// second start (platform/InstanceChannel.h). Each opens as File > Open opens it. Opening
// waits while a dialog is open, so a file never opens inside another file's preview or a
// message box.
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace averoz {

class InstanceServer;
class TMainForm;

class GivenFiles : public QObject {
  Q_OBJECT
 public:
  explicit GivenFiles(TMainForm& main);
  // raise: a second start handed them over; the editor comes to the front.
  void open(const QStringList& files, bool raise);
  // Files a second start hands over open with the editor brought to the front.
  void serve(InstanceServer& server);

 private:
  void openPending();
  TMainForm& main_;
  QStringList pending_;
  QTimer retry_;
  bool busy_ = false;
};

// The file arguments of the command line as absolute paths (a second start runs in another
// folder than the editor it hands them to). "--" ends the options; other options are ignored.
QStringList FilesFromArguments(const QStringList& arguments);

}  // namespace averoz
