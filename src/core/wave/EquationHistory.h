#pragma once
// The last ten expressions of the Equation dialog, newest first, none twice. Kept in the
// settings file, section "Equation", keys "Expr0" (newest) .. "Expr9".
#include <string>
#include <vector>

namespace averoz {

class IniFile;

class EquationHistory {
 public:
  static constexpr int kSize = 10;

  const std::vector<std::string>& items() const { return items_; }

  // To the front; an expression already listed moves there, the eleventh drops off. Blank
  // texts are not kept. The settings file trims what it reads: give trimmed texts.
  void Add(const std::string& text);

  void Load(const IniFile& settings);
  // Writes all ten keys, the unused ones empty, so no older entry comes back.
  void Save(IniFile& settings) const;

 private:
  std::vector<std::string> items_;
};

}  // namespace averoz
