#pragma once
// A document window as the save flow sees it: name, caption and saved state, common to both
// document kinds. The file name is kept as a copy because the flow reads it by reference
// while it changes it.
#include <string>

#include "core/files/SaveFlow.h"

namespace averoz {

class DocumentWindow;

class SavableWindow : public SavableDocument {
 public:
  explicit SavableWindow(DocumentWindow& window);

  int docKind() const override;
  const std::string& fileName() const override { return fileName_; }
  void setFileName(const std::string& path) override;
  std::string caption() const override;
  void setCaption(const std::string& caption) override;
  bool isSaved() const override;
  void MarkSaved() override;

 private:
  DocumentWindow& window_;
  std::string fileName_;
};

// A pattern window: no tail to fill, its bits are written.
class TfrmPpg;
class SavablePattern : public SavableWindow {
 public:
  explicit SavablePattern(TfrmPpg& window);
  void setFileName(const std::string& path) override;
  bool CheckUndefinedTail() override { return true; }
  std::span<const std::int32_t> samples() const override { return {}; }
  std::span<const std::uint8_t> bits() const override;

 private:
  TfrmPpg& pattern_;
};

}  // namespace averoz
