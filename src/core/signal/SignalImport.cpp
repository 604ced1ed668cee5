#include "core/signal/SignalImport.h"

#include <algorithm>
#include <cmath>

#include "core/signal/SignalResample.h"

namespace averoz {
namespace {

std::int32_t Code(double v, double low, double high) {
  const double code = std::round((v - low) / (high - low) * 4095.0);
  return std::int32_t(std::clamp(code, 0.0, 4095.0));
}

}  // namespace

std::vector<std::int32_t> MapToCodes(std::span<const double> values, const CodeMapping& mapping) {
  std::vector<std::int32_t> codes(values.size(), 2048);
  double low = mapping.low, high = mapping.high;
  if (!mapping.fixedRange && !values.empty()) {
    const auto [min, max] = std::minmax_element(values.begin(), values.end());
    low = *min;
    high = *max;
  }
  if (!(high != low) || !std::isfinite(high - low)) return codes;
  for (std::size_t i = 0; i < values.size(); ++i) codes[i] = Code(values[i], low, high);
  return codes;
}

std::string CheckImportOptions(const SignalTable& table, const SignalImportOptions& options) {
  if (options.column >= table.columns.size())
    return "there is no column " + std::to_string(options.column + 1) + " (the file has " +
           std::to_string(table.columns.size()) + ")";
  if (options.length < 1 || options.length > kSignalMaxLength)
    return "the length must be 1 to " + std::to_string(kSignalMaxLength) + " samples";
  const CodeMapping& m = options.mapping;
  if (m.fixedRange && (!std::isfinite(m.low) || !std::isfinite(m.high) || m.low == m.high))
    return "the range needs two different finite values";
  return {};
}

std::vector<std::int32_t> ImportSignalCodes(const SignalTable& table, const SignalImportOptions& options) {
  const std::vector<double>& values = table.columns[options.column].values;
  // The resampler's rounding would otherwise spread a constant over the whole range.
  const auto [min, max] = std::minmax_element(values.begin(), values.end());
  if (!options.mapping.fixedRange && *min == *max) return std::vector<std::int32_t>(options.length, 2048);
  const std::vector<double> resampled = ResampleSignal(values, options.length);
  return MapToCodes(resampled, options.mapping);
}

}  // namespace averoz
