// Program entry: one instance only; the main window with its start-up document, then the
// splash window over it.
#include <QApplication>
#include <QScreen>

#include "platform/SingleInstance.h"
#include "ui/app/TMainForm.h"
#include "ui/app/TfrmSplash.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  averoz::SingleInstance instance;
  if (!instance.acquire()) return 0;  // another editor runs: end silently
  QApplication::setApplicationName(QStringLiteral("VI Ved Averoz"));

  averoz::TMainForm mainForm;
  mainForm.CreateStartupDocument();
  // Without a window manager "maximised" means nothing; fill the screen by hand as well.
  if (QScreen* screen = QGuiApplication::primaryScreen())
    mainForm.setGeometry(screen->availableGeometry());
  mainForm.showMaximized();
  auto* splash = new averoz::TfrmSplash(&mainForm);
  splash->show();
  return QApplication::exec();
}
