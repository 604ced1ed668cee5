#pragma once
#include <QWidget>

namespace averoz {

// Moves a top-level window so that it is centred on its parent window (if it has one).
void CenterOnParent(QWidget& window);

}  // namespace averoz
