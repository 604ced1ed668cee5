// nqsim-serial: the simulated instrument on a pseudo-terminal, for trying the editor's
// RS-232C transfers by hand. Prints the device path, then serves until interrupted.
//
//   nqsim-serial [--rate BITS] [--fault NAME] [--idn TEXT] [--link PATH]
//
// Map a COM number to the printed path in the settings file ([RS] COM1=/dev/pts/N), or give
// --link a fixed path to map once. The fault and identity also come from NQSIM_FAULT and
// NQSIM_IDN when the options are absent.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "PtySerial.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: nqsim-serial [--rate BITS] [--fault NAME] [--idn TEXT] [--link PATH]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int rate = 0;
  const char* env = std::getenv("NQSIM_FAULT");
  std::string fault = env ? env : "none";
  env = std::getenv("NQSIM_IDN");
  std::string identity = env ? env : std::string(nqsim::kDefaultIdentity);
  std::string link;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (i + 1 >= argc) return Usage();
    const char* value = argv[++i];
    if (arg == "--rate") {
      rate = std::atoi(value);
    } else if (arg == "--fault") {
      fault = value;
    } else if (arg == "--idn") {
      identity = value;
    } else if (arg == "--link") {
      link = value;
    } else {
      return Usage();
    }
  }
  const auto parsed = nqsim::ParseFault(fault);
  if (!parsed || rate < 0) return Usage();

  // The serving thread must not take the signals that end the program.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    nqsim::PtySerial pty(rate);
    pty.setFault(*parsed);
    pty.setIdentity(identity);
    if (!link.empty()) {
      ::unlink(link.c_str());
      if (::symlink(pty.slavePath().c_str(), link.c_str()) != 0) {
        std::perror(link.c_str());
        return 1;
      }
    }
    std::printf("%s\n", pty.slavePath().c_str());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);
    if (!link.empty()) ::unlink(link.c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "nqsim-serial: %s\n", e.what());
    return 1;
  }
  return 0;
}
