#pragma once
// The desktop's plain-text clipboard behind the core's clipboard interface.
#include "core/wave/SystemClipboard.h"

namespace averoz {

class QtWaveClipboard final : public SystemClipboard {
 public:
  std::string ReadText() override;
  void WriteText(const std::string& text) override;
};

}  // namespace averoz
