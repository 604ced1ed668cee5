#include "ui/app/AppContext.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "core/app/MessageCatalog.h"
#include "core/app/Prompter.h"
#include "core/app/SettingsLocation.h"

namespace averoz {

AppContext::AppContext() : settings_(settingsPath().toStdString()) {}

AppContext& AppContext::instance() {
  static AppContext context;
  return context;
}

void AppContext::chooseLanguage() { language_ = ChooseLanguage(settings_, MessageLocale()); }

QString AppContext::text(MessageId id) const {
  return QString::fromStdString(MessageText(id, language_, settings_));
}

QString AppContext::besideExecutable(const QString& extension) {
  const QFileInfo exe(QCoreApplication::applicationFilePath());
  return exe.absolutePath() + QLatin1Char('/') + exe.completeBaseName() + extension;
}

QString AppContext::settingsPath() {
  const QFileInfo exe(QCoreApplication::applicationFilePath());
  return QString::fromStdString(SettingsFilePath(exe.absolutePath().toStdString(),
                                                 (exe.completeBaseName() + ".INI").toStdString()));
}

bool ReportSettingsWriteError(const IniWriteError& error) {
  if (Prompter* prompter = AppContext::instance().prompter())
    prompter->showText(error.what(), Icon::Warning);
  else
    QMessageBox::warning(nullptr, QCoreApplication::applicationName(),
                         QString::fromStdString(error.what()));
  return false;
}

}  // namespace averoz
