#pragma once
// The interfaces a transfer can go over, in the order of the Send and Receive dialogs' list,
// and the one last chosen there, kept in the settings file (section "Trans", key "Interface")
// so that it survives a restart. Without the key, or with an index the list does not have, the
// list keeps its first item (GPIB).
#include <QStringList>

class QComboBox;

namespace averoz {

// "GPIB" (0), "RS-232C" (1), "LAN" (2).
QStringList TransferInterfaces();

// The stored index when the list has such an item; otherwise fallback.
int RememberedInterface(int count, int fallback = 0);

// Selects the stored interface in the list, and stores every choice the user makes in it.
void RememberInterfaceChoice(QComboBox& method);

}  // namespace averoz
