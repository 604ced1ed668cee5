#include "core/wave/EquationHistory.h"

#include <algorithm>

#include "core/app/IniFile.h"

namespace averoz {
namespace {

const char* const kSection = "Equation";

std::string Key(int i) { return "Expr" + std::to_string(i); }

}  // namespace

void EquationHistory::Add(const std::string& text) {
  if (text.find_first_not_of(" \t") == std::string::npos) return;
  const std::string item = text;  // text may be one of the items
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  items_.insert(items_.begin(), item);
  if (items_.size() > std::size_t(kSize)) items_.resize(kSize);
}

void EquationHistory::Load(const IniFile& settings) {
  items_.clear();
  for (int i = 0; i < kSize; ++i) {
    const std::string item = settings.ReadString(kSection, Key(i), "");
    if (!item.empty() && std::find(items_.begin(), items_.end(), item) == items_.end())
      items_.push_back(item);
  }
}

void EquationHistory::Save(IniFile& settings) const {
  for (int i = 0; i < kSize; ++i)
    settings.WriteString(kSection, Key(i), i < int(items_.size()) ? items_[std::size_t(i)] : "");
}

}  // namespace averoz
