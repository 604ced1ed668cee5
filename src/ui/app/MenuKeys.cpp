#include "ui/app/MenuKeys.h"

#include <QAction>

namespace averoz {

void ShowKey(QAction& item, const QKeySequence& key) {
  if (key.isEmpty()) return;
  item.setShortcut(key);
  // A widget shortcut of an item that lives only in a menu never fires.
  item.setShortcutContext(Qt::WidgetShortcut);
  item.setShortcutVisibleInContextMenu(true);
}

}  // namespace averoz
