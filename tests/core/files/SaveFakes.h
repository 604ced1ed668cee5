#pragma once
// A document and a save dialog for the save-flow tests, without windows.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/files/SaveFlow.h"

namespace averoz::test {

class FakeDocument : public SavableDocument {
 public:
  explicit FakeDocument(int kind, std::string caption) : kind_(kind), caption_(std::move(caption)) {}
  int docKind() const override { return kind_; }
  const std::string& fileName() const override { return fileName_; }
  void setFileName(const std::string& path) override { fileName_ = path; }
  std::string caption() const override { return caption_; }
  void setCaption(const std::string& caption) override { caption_ = caption; }
  bool isSaved() const override { return saved_; }
  void MarkSaved() override { saved_ = true; }
  bool CheckUndefinedTail() override { return tailComplete; }
  std::span<const std::int32_t> samples() const override { return samples_; }
  std::span<const std::uint8_t> bits() const override { return bits_; }

  bool tailComplete = true;

 private:
  int kind_;
  std::string caption_, fileName_;
  bool saved_ = false;
  std::vector<std::int32_t> samples_ = std::vector<std::int32_t>(16384, 2048);
  std::vector<std::uint8_t> bits_ = std::vector<std::uint8_t>(6 * 16384, 0);
};

// Chooses from a queue; an empty queue cancels, so a flow that reopens the dialog ends.
class ScriptedDialog : public SaveDialog {
 public:
  std::deque<SaveDialogChoice> choices;
  std::vector<SaveDialogRequest> requests;
  std::optional<SaveDialogChoice> Run(const SaveDialogRequest& request) override {
    requests.push_back(request);
    if (choices.empty()) return std::nullopt;
    SaveDialogChoice c = choices.front();
    choices.pop_front();
    return c;
  }
};

}  // namespace averoz::test
