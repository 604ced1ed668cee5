#pragma once
// For the data browser tests: a shown main window with a scripted prompter and a scripted
// confirmation before Save (settings file written first when given), the browser's cells
// and controls, a value typed and saved, and a click on a table row.
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "support/FakePrompter.h"
#include "support/JapaneseSettings.h"
#include "ui/app/AppContext.h"
#include "ui/app/BrowserModel.h"
#include "ui/app/DocumentWindow.h"
#include "ui/app/TMainForm.h"
#include "ui/app/TfrmData.h"

namespace averoz::test {

class BrowserFixture {
 protected:
  QString iniPath = AppContext::besideExecutable(".INI");
  std::unique_ptr<TMainForm> form;
  FakePrompter prompter;
  QStringList confirmations;
  bool confirmAnswer = true;

  // For the test's init(): a settings file naming only the Japanese texts, Save confirmed.
  void initBrowserTest() {
    WriteJapaneseSettings(iniPath);
    prompter = FakePrompter();
    confirmations.clear();
    confirmAnswer = true;
    TfrmData::setConfirm([this](const QString& text) {
      confirmations << text;
      return confirmAnswer;
    });
    AppContext::instance().setLanguage("Japanese");
  }
  // For the test's cleanup(): the documents close without questions.
  void cleanupBrowserTest() {
    if (form) {
      for (DocumentWindow* d : form->documents()) d->setSaved(true);
      form.reset();
    }
    TfrmData::setConfirm(nullptr);
    QFile::remove(iniPath);
  }
  // The main window shown with the settings file `ini`; false when it cannot be written.
  bool openForm(const QByteArray& ini = {}) {
    if (!ini.isEmpty() && !WriteJapaneseSettings(iniPath, ini)) return false;
    form = std::make_unique<TMainForm>();
    form->setPrompter(&prompter);
    form->show();
    form->LoadSettings();
    return true;
  }

  TfrmData& browser() { return TfrmData::instance(*form); }
  QString cell(int row, int column) { return browser().model().text(row, column); }
  template <typename T>
  T* child(const char* name) { return browser().findChild<T*>(name); }
  // A value typed into edData and saved.
  void saveValue(const QString& value) {
    child<QLineEdit>("edData")->setText(value);
    child<QPushButton>("bnsave")->click();
  }
  void clickRow(int row) {
    QTableView* grid = browser().grid();
    grid->scrollTo(browser().model().index(row, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(browser().model().index(row, 1)).center());
  }
};

}  // namespace averoz::test
