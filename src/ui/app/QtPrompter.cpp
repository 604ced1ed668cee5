#include "ui/app/QtPrompter.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include "ui/app/AppContext.h"

namespace averoz {
namespace {

QMessageBox::Icon ToQt(Icon icon) {
  switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Warning: break;
  }
  return QMessageBox::Warning;
}

}  // namespace

Answer QtPrompter::ask(const Message& message, Buttons buttons, Icon icon) {
  const QString text = QString::fromStdString(message.prefix) +
                       AppContext::instance().text(message.id) +
                       QString::fromStdString(message.suffix);
  QMessageBox box(ToQt(icon), QCoreApplication::applicationName(), text, QMessageBox::NoButton,
                  parent_);
  switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case Buttons::YesNoYesToAll:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::YesToAll: return Answer::YesToAll;
    default: return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
  }
}

void QtPrompter::showText(const std::string& text, Icon icon) {
  QMessageBox box(ToQt(icon), QCoreApplication::applicationName(), QString::fromStdString(text),
                  QMessageBox::Ok, parent_);
  box.exec();
}

void QtPrompter::status(const std::string& text) {
  if (statusBar_) statusBar_->showMessage(QString::fromStdString(text));
}

void QtPrompter::processEvents() { QCoreApplication::processEvents(); }

}  // namespace averoz
