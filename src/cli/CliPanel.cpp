#include "cli/CliPanel.h"

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string>

namespace averoz::cli {
namespace {

volatile std::sig_atomic_t gInterrupted = 0;

// The first Ctrl+C asks for the abort; a second one ends the program at once, as usual.
extern "C" void OnInterrupt(int signal) {
  if (gInterrupted) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
  }
  gInterrupted = 1;
}

struct sigaction gPreviousInt {};
struct sigaction gPreviousTerm {};

}  // namespace

CliPanel::CliPanel(const CliEnv& env) : env_(env), terminal_(::isatty(STDERR_FILENO) == 1) {
  gInterrupted = 0;
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a wait in progress returns early, so the flag is seen sooner.
  ::sigaction(SIGINT, &action, &gPreviousInt);
  ::sigaction(SIGTERM, &action, &gPreviousTerm);
}

CliPanel::~CliPanel() {
  endBar();
  ::sigaction(SIGINT, &gPreviousInt, nullptr);
  ::sigaction(SIGTERM, &gPreviousTerm, nullptr);
}

bool CliPanel::interrupted() { return gInterrupted != 0; }

void CliPanel::showTransferring() {
  abortable_ = true;
  env_.Say(IMFMSG(12));
}

void CliPanel::showConfirming() {
  // The final acknowledgement cannot be aborted: the dialog disables its Abort button.
  abortable_ = false;
  endBar();
  env_.Say(IMFMSG(13));
}

void CliPanel::showIdle() {
  abortable_ = true;
  endBar();
}

void CliPanel::setProgressMaximum(int maximum) {
  maximum_ = maximum > 0 ? maximum : 1;
  shown_ = -1;
}

void CliPanel::setProgress(int position) {
  const long long percent = std::min<long long>(100, 100LL * std::max(position, 0) / maximum_);
  if (terminal_) {
    if (percent == shown_) return;
    shown_ = int(percent);
    const int filled = int(percent * 40 / 100);
    std::fprintf(stderr, "\r[%s%s] %3lld%%", std::string(std::size_t(filled), '#').c_str(),
                 std::string(std::size_t(40 - filled), ' ').c_str(), percent);
    std::fflush(stderr);
    barOpen_ = true;
  } else if (percent / 10 > shown_) {
    // A log gets a line at every tenth.
    shown_ = int(percent / 10);
    std::fprintf(stderr, "%lld%%\n", percent / 10 * 10);
  }
}

void CliPanel::letEventsRun() {
  if (abortable_ && interrupted()) transferOk = false;
}

void CliPanel::endBar() {
  if (barOpen_) std::fputc('\n', stderr);
  barOpen_ = false;
}

}  // namespace averoz::cli
