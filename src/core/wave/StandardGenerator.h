#pragma once
// The ten standard shapes. Each kernel fills waveData[p.start .. p.start + p.len - 1] with
// codes 0..4095 computed from the request p and writes nothing else; indices of the request
// that lie outside waveData are skipped, so a bad request can never write out of bounds.
//
// The periodic shapes (all but DC and Noise) use the period T = len / cycles and the start
// phase in degrees. Requests outside the dialog's ranges (cycles 0.01..100, phase 0..360)
// still terminate and give codes 0..4095; their exact values are not otherwise promised.
#include <cstdint>
#include <span>

#include "core/wave/Generator.h"
#include "core/wave/WaveParam.h"

namespace averoz {

void GenerateSine(const TWaveParam& p, std::span<std::int32_t> waveData);
// High (ofs + amp) for the first duty percent of each period, low (ofs - amp) after it.
void GenerateSquare(const TWaveParam& p, std::span<std::int32_t> waveData);
// Starts at ofs, peaks at ofs + amp at T/4, bottoms at ofs - amp at 3T/4.
void GenerateTriangle(const TWaveParam& p, std::span<std::int32_t> waveData);
// Rises from ofs - amp to nearly ofs + amp in each period.
void GenerateRamp(const TWaveParam& p, std::span<std::int32_t> waveData);
// Rises from ofs toward ofs + amp, e^(-damp) of the way short at the period's end.
void GenerateCharge(const TWaveParam& p, std::span<std::int32_t> waveData);
// Falls from ofs + amp toward ofs.
void GenerateDisCharge(const TWaveParam& p, std::span<std::int32_t> waveData);
// Half a sine period from ofs - amp up to ofs + amp.
void GenerateSCurveUp(const TWaveParam& p, std::span<std::int32_t> waveData);
// Half a sine period from ofs + amp down to ofs - amp.
void GenerateSCurveDown(const TWaveParam& p, std::span<std::int32_t> waveData);
void GenerateDC(const TWaveParam& p, std::span<std::int32_t> waveData);
// Scaled entries of the noise table at the absolute sample index. The spread is 2 * amp
// upward from ofs - 2048: only the full amplitude 2048 centres the noise on ofs.
void GenerateNoise(const TWaveParam& p, std::span<std::int32_t> waveData);

// The kernel of p.kind; kind 10 (none) and above write nothing.
void GenerateStandard(const TWaveParam& p, std::span<std::int32_t> waveData);

class StandardGenerator final : public WaveGenerator {
 public:
  void Generate(const TWaveParam& p, std::span<std::int32_t> waveData) const override {
    GenerateStandard(p, waveData);
  }
};

}  // namespace averoz
