#pragma once
// What the document needs of a waveform generator: fill p.start .. p.start+p.len-1 of the
// samples from the request p, touching nothing outside that range.
#include <cstdint>
#include <span>

#include "core/wave/WaveParam.h"

namespace averoz {

class WaveGenerator {
 public:
  virtual ~WaveGenerator() = default;
  virtual void Generate(const TWaveParam& p, std::span<std::int32_t> waveData) const = 0;
};

}  // namespace averoz
