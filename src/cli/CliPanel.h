#pragma once
// The transfer dialog's part for averoz-cli: its state texts and progress on stderr (a bar
// only on a terminal) and its Abort button as Ctrl+C. SIGINT only raises a flag; the
// sequences look at it whenever they let events run, and abort as the button would (not
// while the button is disabled). A second Ctrl+C ends the program at once.
#include "cli/CliEnv.h"
#include "core/comm/TransferPanel.h"

namespace averoz::cli {

class CliPanel final : public TransferPanel {
 public:
  // Takes SIGINT (and SIGTERM) for the life of the panel.
  explicit CliPanel(const CliEnv& env);
  ~CliPanel() override;
  CliPanel(const CliPanel&) = delete;
  CliPanel& operator=(const CliPanel&) = delete;

  // Whether Ctrl+C came since the panel was made.
  static bool interrupted();

  void showTransferring() override;
  void showConfirming() override;
  void showIdle() override;
  void setProgressMaximum(int maximum) override;
  void setProgress(int position) override;
  void letEventsRun() override;

 private:
  void endBar();

  const CliEnv& env_;
  bool terminal_;
  int maximum_ = 100;
  int shown_ = -1;  // the last percentage (terminal) or tenth (otherwise) written
  bool barOpen_ = false;
  bool abortable_ = true;
};

}  // namespace averoz::cli
