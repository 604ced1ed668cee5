#include "ui/files/PatternOpen.h"

#include <algorithm>

#include "core/app/Prompter.h"
#include "core/files/PatternRead.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"

namespace averoz {

void OpenPatternFile(TMainForm& main, const std::string& path) {
  const PatternReadResult r = ReadPatternFile(path, AppContext::instance().settings());
  if (!r.ok()) {
    if (r.status == PatternReadStatus::Unreadable)
      main.prompter().showText(r.readError, Icon::Warning);
    else
      main.prompter().warn(PatternReadResult::openRefusal());
    return;
  }
  for (std::size_t ch = 0; ch < main.loadBits.size(); ++ch) {
    const auto from = r.bits.begin() + static_cast<std::ptrdiff_t>(ch * kPatternLength);
    main.loadBits[ch].assign(from, from + kPatternLength);
  }
  main.CloseUntouchedStartup();
  if (main.OpenDocument(2, QString::fromStdString(path), kPatternLength))
    main.AddRecentFile(QString::fromStdString(path));
}

}  // namespace averoz
