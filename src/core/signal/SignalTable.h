#pragma once
// A signal read from a capture or a computed file: one or more value columns of equal length
// (a time column is recognised by the text reader and left out), with the sample rate when
// the file gives one.
#include <stdexcept>
#include <string>
#include <vector>

namespace averoz {

struct SignalColumn {
  std::string name;
  std::vector<double> values;
};

struct SignalTable {
  std::vector<SignalColumn> columns;  // never empty; every column has at least one value
  double sampleRate = 0;              // Hz; 0 when the file does not say
  std::string timeColumn;             // the skipped time column's name; empty when none
};

// A file the readers refuse. what() names the file and the line, chunk or element at fault.
class SignalError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace averoz
