#pragma once
// A TransferPanel that records the states a sequence shows and can press Abort once the
// progress reaches a given position, or from its pending events.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/comm/TransferPanel.h"

namespace averoz::test {

class RecordingPanel : public TransferPanel {
 public:
  void showTransferring() override { states.push_back("transferring"); }
  void showConfirming() override { states.push_back("confirming"); }
  void showIdle() override {
    states.push_back("idle");
    progress = 0;
  }
  void setProgressMaximum(int maximum) override { this->maximum = maximum; }
  void setProgress(int position) override {
    progress = position;
    highest = std::max(highest, position);
    ++steps;
    if (abortAt >= 0 && position >= abortAt) transferOk = false;
  }
  void letEventsRun() override {
    ++eventRuns;
    if (onEvents) onEvents();
  }

  std::vector<std::string> states;
  int maximum = 0;
  int progress = 0;
  int highest = 0;
  int steps = 0;
  int eventRuns = 0;
  int abortAt = -1;  // Abort pressed when the progress reaches this position
  std::function<void()> onEvents;  // what the window's events do (press Abort, look around)
};

}  // namespace averoz::test
