#pragma once
// The magnitude spectrum of a waveform's drawn samples, with the fundamental, its first
// harmonics and the total harmonic distortion. GUI-free; the FFT is FFTW's.
//
// Levels are in dB against full scale: a sine swinging over all 4096 codes reads 0 dB at
// its bin, whatever the window (the window's coherent gain is divided out). Bin k is k
// cycles per analysed length; with a sample rate the panel turns it into k * rate / length.
#include <cstdint>
#include <memory>
#include <vector>

namespace averoz {

enum class SpectrumWindow { None = 0, Hann = 1, BlackmanHarris = 2 };

struct SpectrumPeak {
  int harmonic = 1;   // 1 is the fundamental
  int bin = 0;
  double levelDb = 0.0;  // against full scale
};

struct Spectrum {
  int length = 0;               // samples analysed: the drawn ones
  std::vector<double> levelDb;  // bins 0 .. length/2
  std::vector<SpectrumPeak> peaks;  // the fundamental, then harmonics 2, 3, … below Nyquist
  double thdPercent = 0.0;      // sqrt(sum of the harmonics' powers) / fundamental
  double thdDb = 0.0;
  bool hasFundamental() const { return !peaks.empty(); }
};

class SpectrumAnalyzer {
 public:
  static constexpr double kFloorDb = -200.0;
  static constexpr int kMaxHarmonic = 10;

  SpectrumAnalyzer();
  ~SpectrumAnalyzer();
  SpectrumAnalyzer(const SpectrumAnalyzer&) = delete;
  SpectrumAnalyzer& operator=(const SpectrumAnalyzer&) = delete;

  // Analyses codes[0 .. length-1]. Fewer than two samples give an empty spectrum. The FFT
  // plan is kept for the next call of the same length, so following live edits is cheap.
  Spectrum Analyze(const std::int32_t* codes, int length, SpectrumWindow window);

 private:
  struct Plan;
  std::unique_ptr<Plan> plan_;
};

// How many bins either side of a peak the window's main lobe reaches: a harmonic's level is
// the highest bin within that distance of its ideal bin.
int MainLobeHalfWidth(SpectrumWindow window);

}  // namespace averoz
