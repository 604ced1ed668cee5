#pragma once
// Documents in known states and a listener that records what a document reported.
#include <string>
#include <vector>

#include "core/wave/WaveDoc.h"

namespace averoz::test {

// Code of sample i in a test document: distinct for every index below 4096 and never -1.
inline std::int32_t CodeAt(int i) { return i % 4096; }

// Samples 0..last drawn with CodeAt(i), unprotected.
inline void DrawTo(WaveDoc& doc, int last) {
  for (int i = 0; i <= last; ++i) {
    doc.waveData[i] = CodeAt(i);
    doc.blockNo[i] = kBlockFree;
  }
}

inline void Protect(WaveDoc& doc, int from, int to, std::int16_t block) {
  for (int i = from; i <= to; ++i) doc.blockNo[i] = block;
}

// Writes p.ofs + k into sample p.start + k, the way a generator fills only its own range.
class CountingGenerator : public WaveGenerator {
 public:
  void Generate(const TWaveParam& p, std::span<std::int32_t> waveData) const override {
    for (int k = 0; k < p.len; ++k) waveData[p.start + k] = (p.ofs + k) % 4096;
  }
};

class RecordingListener : public WaveDocListener {
 public:
  std::vector<std::string> events;
  void DataChanged(int a, int b) override {
    events.push_back("data " + std::to_string(a) + ".." + std::to_string(b));
  }
  void UndoStateChanged(bool ready) override { events.push_back(ready ? "undo on" : "undo off"); }
  void ModifiedChanged(bool modified) override {
    events.push_back(modified ? "modified" : "saved");
  }
  void SelectionChanged() override { events.push_back("selection"); }
};

}  // namespace averoz::test
