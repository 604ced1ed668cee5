#pragma once
// From a read signal to waveform codes: one column, resampled to the chosen length, mapped
// to 0..4095 either from the signal's own min..max or from a fixed range of its units (volts
// for a capture; values outside the range are clipped).
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/signal/SignalTable.h"

namespace averoz {

struct CodeMapping {
  bool fixedRange = false;  // false: min..max of the signal
  double low = 0;           // the value that becomes code 0
  double high = 0;          // the value that becomes code 4095
};

struct SignalImportOptions {
  std::size_t column = 0;      // index into SignalTable::columns
  std::size_t length = 16384;  // samples in the document, 1..16384
  CodeMapping mapping;
};

inline constexpr std::size_t kSignalMaxLength = 16384;

// Codes 0..4095: min..max spread over the whole range (a constant signal gives 2048), or
// the fixed range low..high (low != high; low > high turns the signal upside down).
std::vector<std::int32_t> MapToCodes(std::span<const double> values, const CodeMapping& mapping);

// Why the options do not fit the table; empty when they do.
std::string CheckImportOptions(const SignalTable& table, const SignalImportOptions& options);

// The codes of the chosen column at the chosen length. The options must pass the check.
std::vector<std::int32_t> ImportSignalCodes(const SignalTable& table, const SignalImportOptions& options);

}  // namespace averoz
