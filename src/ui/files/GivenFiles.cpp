#include "ui/files/GivenFiles.h"

#include <QApplication>
#include <QFileInfo>

#include "platform/InstanceChannel.h"
#include "ui/app/TMainForm.h"
#include "ui/files/FileCommands.h"

namespace averoz {

GivenFiles::GivenFiles(TMainForm& main) : QObject(&main), main_(main) {
  retry_.setSingleShot(true);
  retry_.setInterval(200);
  connect(&retry_, &QTimer::timeout, this, &GivenFiles::openPending);
}

void GivenFiles::open(const QStringList& files, bool raise) {
  if (raise) {
    main_.setWindowState(main_.windowState() & ~Qt::WindowMinimized);
    main_.show();
    main_.raise();
    main_.activateWindow();
  }
  pending_ += files;
  openPending();
}

void GivenFiles::serve(InstanceServer& server) {
  connect(&server, &InstanceServer::filesReceived, this,
          [this](const QStringList& files) { open(files, true); });
}

void GivenFiles::openPending() {
  if (busy_) return;  // the running open takes the rest when it is done
  if (QApplication::activeModalWidget()) {
    retry_.start();
    return;
  }
  busy_ = true;
  while (!pending_.isEmpty()) OpenGivenFile(main_, pending_.takeFirst().toStdString());
  busy_ = false;
}

QStringList FilesFromArguments(const QStringList& arguments) {
  QStringList files;
  bool options = true;
  for (const QString& argument : arguments.mid(1)) {
    if (options && argument == QLatin1String("--")) {
      options = false;
      continue;
    }
    if (options && argument.startsWith(QLatin1Char('-'))) continue;
    files << QFileInfo(argument).absoluteFilePath();
  }
  return files;
}

}  // namespace averoz
