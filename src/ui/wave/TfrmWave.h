#pragma once
// A waveform document window: owns the GUI-free document and shows its samples.
#include <memory>

#include "core/wave/WaveDoc.h"
#include "ui/app/DocumentWindow.h"

namespace averoz {

class WavePlot;

class TfrmWave : public DocumentWindow, public WaveDocListener {
  Q_OBJECT
 public:
  TfrmWave(TMainForm* mainForm, int docKind);
  ~TfrmWave() override;

  WaveDoc& doc() { return *doc_; }
  const WaveDoc& doc() const { return *doc_; }

  // The size of a new document window.
  void showInitialSize() override;

  bool isSaved() const override { return doc_->isSaved; }
  void setSaved(bool saved) override;
  bool hasData() const override { return doc_->waveData[0] != kUndrawn; }
  void FormActivate() override;

  // WaveDocListener
  void DataChanged(int a, int b) override;
  void UndoStateChanged(bool ready) override;
  void ModifiedChanged(bool modified) override;

 private:
  std::unique_ptr<WaveDoc> doc_;
  WavePlot* pngraph_;
};

}  // namespace averoz
