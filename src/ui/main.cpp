// Program entry: one instance only; the main window with its start-up document, then the
// splash window over it; the files named on the command line open after that. A second start
// hands its files to the running editor and ends.
#include <QApplication>
#include <cstdio>

#include "platform/InstanceChannel.h"
#include "platform/SingleInstance.h"
#include "ui/app/Habits.h"
#include "ui/app/TMainForm.h"
#include "ui/app/TfrmSplash.h"
#include "ui/files/GivenFiles.h"

namespace {

// Without files the second start ends silently, as it always has.
int HandOverToRunningEditor(const QStringList& files) {
  if (files.isEmpty()) return 0;
  if (averoz::HandOverFiles(averoz::SingleInstance::socketPath(), files, 10000)) return 0;
  std::fprintf(stderr, "averoz: the running editor did not take the files\n");
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList files = averoz::FilesFromArguments(QCoreApplication::arguments());
  averoz::SingleInstance instance;
  if (!instance.acquire()) return HandOverToRunningEditor(files);
  averoz::InstanceServer server;
  server.listen(averoz::SingleInstance::socketPath());
  QApplication::setApplicationName(QStringLiteral("VI Ved Averoz"));
  // The window belongs to averoz.desktop: the desktop shows its icon and name for it.
  QGuiApplication::setDesktopFileName(QStringLiteral("averoz"));

  averoz::TMainForm mainForm;
  mainForm.CreateStartupDocument();
  averoz::ShowMainWindow(mainForm);
  auto* splash = new averoz::TfrmSplash(&mainForm);
  splash->show();

  auto* given = new averoz::GivenFiles(mainForm);
  given->serve(server);
  given->open(files, false);
  return QApplication::exec();
}
