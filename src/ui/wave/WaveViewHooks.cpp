#include "ui/wave/WaveViewHooks.h"

namespace averoz {

WaveViewHooks& waveViewHooks() {
  static WaveViewHooks hooks;
  return hooks;
}

}  // namespace averoz
