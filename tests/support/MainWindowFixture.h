#pragma once
// For tests that drive the whole editor: a fresh settings file, a main window with its file
// commands, a scripted prompter and file chooser, the start-up document, and a temporary
// folder. Stop() closes without asking: unsaved documents count as saved.
#include <QCoreApplication>
#include <QFile>
#include <memory>

#include "support/FakePrompter.h"
#include "support/JapaneseSettings.h"
#include "support/TempDir.h"
#include "ui/app/AppContext.h"
#include "ui/app/DocumentWindow.h"
#include "ui/app/TMainForm.h"
#include "ui/files/FileChooser.h"
#include "ui/files/FileCommands.h"
#include "ui/files/FileServices.h"

namespace averoz::test {

struct MainWindowFixture {
  std::unique_ptr<TMainForm> form;
  FakePrompter prompter;
  std::unique_ptr<TempDir> dir;
  QString iniPath = AppContext::besideExecutable(".INI");

  void Start(FileChooser& chooser) {
    WriteJapaneseSettings(iniPath);
    dir = std::make_unique<TempDir>();
    prompter = FakePrompter();
    AppContext::instance().setLanguage("Japanese");
    form = std::make_unique<TMainForm>();
    form->setPrompter(&prompter);
    InstallFileCommands(*form);
    FileServices::of(*form).setChooser(&chooser);
    form->CreateStartupDocument();
    form->show();
    QCoreApplication::processEvents();
  }

  void Stop() {
    form->setSaveHandler([](DocumentWindow& d) {
      d.setSaved(true);
      return true;
    });
    form.reset();
    dir.reset();
    QFile::remove(iniPath);
  }
};

}  // namespace averoz::test
