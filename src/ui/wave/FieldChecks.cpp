#include "ui/wave/FieldChecks.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "core/app/Prompter.h"
#include "ui/app/AppContext.h"
#include "ui/app/QtPrompter.h"
#include "ui/wave/UpDown.h"

namespace averoz {

Prompter& DialogPrompter() {
  if (Prompter* p = AppContext::instance().prompter()) return *p;
  static QtPrompter fallback;
  return fallback;
}

FieldRow AddFieldRow(QWidget* parent, int x, int y, int editWidth, const char* lblName,
                     const char* edName, const char* udName, const QString& caption) {
  FieldRow row;
  row.lbl = new QLabel(caption, parent);
  row.lbl->setObjectName(QLatin1String(lblName));
  row.lbl->move(x, y);
  row.ed = new QLineEdit(parent);
  row.ed->setObjectName(QLatin1String(edName));
  row.ed->setGeometry(x, y + 18, editWidth, 22);
  if (udName) {
    row.ud = new UpDown(parent);
    row.ud->setObjectName(QLatin1String(udName));
    row.ud->setGeometry(x + editWidth, y + 18, 18, 22);
  }
  return row;
}

QWidget* AddFieldPanel(QWidget* dialog, const char* name, const QRect& geometry) {
  auto* panel = new QWidget(dialog);
  panel->setObjectName(QLatin1String(name));
  panel->setGeometry(geometry);
  return panel;
}

QPushButton* AddFieldDialogButton(QWidget* dialog, const char* name, const char* caption,
                                  const QRect& geometry) {
  auto* b = new QPushButton(QString::fromUtf8(caption), dialog);
  b->setObjectName(QLatin1String(name));
  b->setGeometry(geometry);
  b->setAutoDefault(false);
  b->setDefault(false);
  return b;
}

void TrimWhileTyping(QLineEdit* ed) {
  QObject::connect(ed, &QLineEdit::textChanged, ed, [ed](const QString& t) {
    const QString trimmed = t.trimmed();
    if (trimmed != t) ed->setText(trimmed);
  });
}

bool SettleField(QLineEdit* ed, QString& accepted, const std::optional<std::string>& kept) {
  if (kept) {
    accepted = QString::fromStdString(*kept);
    ed->setText(accepted);
    return true;
  }
  RefuseField(ed, accepted, DialogPrompter(), Message{ERRMSG(3), {}, {}});
  return false;
}

void RefuseField(QLineEdit* ed, const QString& text, Prompter& prompter, const Message& message,
                 bool refocus) {
  prompter.warn(message);
  ed->setText(text);
  if (!refocus) return;
  // Queued: the check may run while the focus is on its way elsewhere.
  QTimer::singleShot(0, ed, [ed] {
    ed->setFocus();
    ed->selectAll();
  });
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

bool CheckOnEnterOrLeave(const QEvent* event, const QWidget* dialog,
                         std::initializer_list<const QWidget*> exempt,
                         const std::function<void()>& check) {
  if (IsEnterPress(event)) {
    check();
    return true;
  }
  if (LeavesForControl(event, dialog, exempt)) check();
  return false;
}

}  // namespace averoz
