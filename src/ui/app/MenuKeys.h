#pragma once
// Menu items that show the key of the command they run.
#include <QKeySequence>

class QAction;

namespace averoz {

// Shows the key in the item's shortcut column, pop-up menus included, without binding it to
// the item: the action or window that answers to the key keeps it, so one press never
// reaches two handlers.
void ShowKey(QAction& item, const QKeySequence& key);

}  // namespace averoz
