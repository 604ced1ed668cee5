#include "ui/wave/FieldChecks.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>

#include "core/app/Prompter.h"
#include "ui/app/AppContext.h"
#include "ui/app/QtPrompter.h"

namespace averoz {

Prompter& DialogPrompter() {
  if (Prompter* p = AppContext::instance().prompter()) return *p;
  static QtPrompter fallback;
  return fallback;
}

bool SettleField(QLineEdit* ed, QString& accepted, const std::optional<std::string>& kept) {
  if (kept) {
    accepted = QString::fromStdString(*kept);
    ed->setText(accepted);
    return true;
  }
  DialogPrompter().warn(ERRMSG(3));
  ed->setText(accepted);
  // Queued: the check may run while the focus is on its way elsewhere.
  QTimer::singleShot(0, ed, [ed] {
    ed->setFocus();
    ed->selectAll();
  });
  return false;
}

void SettleSpin(QLineEdit* ed, QString& accepted, const std::string& spun) {
  accepted = QString::fromStdString(spun);
  ed->setText(accepted);
}

bool IsEnterPress(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool LeavesForControl(const QEvent* event, const QWidget* dialog,
                      std::initializer_list<const QWidget*> exempt) {
  if (event->type() != QEvent::FocusOut) return false;
  const auto reason = static_cast<const QFocusEvent*>(event)->reason();
  QWidget* next = QApplication::focusWidget();
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && next &&
         dialog->isAncestorOf(next) &&
         std::find(exempt.begin(), exempt.end(), next) == exempt.end();
}

}  // namespace averoz
