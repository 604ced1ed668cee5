// nqsim-serial: the simulated instrument on a pseudo-terminal, or with --tcp on a TCP port of
// the loopback address, for trying the editor's RS-232C and LAN transfers by hand (and for the
// command-line tests). Prints the device path (or the port number), then serves until
// interrupted.
//
//   nqsim-serial [--rate BITS] [--fault NAME] [--idn TEXT] [--link PATH]
//   nqsim-serial --tcp PORT [--fault NAME] [--idn TEXT]      (PORT 0: any free port)
//
// Map a COM number to the printed path in the settings file ([RS] COM1=/dev/pts/N), or give
// --link a fixed path to map once; for the LAN set [TCPIP] IPAddress=127.0.0.1 and PortNo to
// the printed port. The fault and identity also come from NQSIM_FAULT and NQSIM_IDN when the
// options are absent.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "LanServer.h"
#include "PtySerial.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: nqsim-serial [--rate BITS] [--fault NAME] [--idn TEXT] [--link PATH]\n"
               "       nqsim-serial --tcp PORT [--fault NAME] [--idn TEXT]\n");
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
  int tcpPort = -1;  // serve on the pseudo-terminal
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
    } else if (arg == "--tcp") {
      tcpPort = std::atoi(value);
    } else {
      return Usage();
    }
  }
  const auto parsed = nqsim::ParseFault(fault);
  if (!parsed || rate < 0 || tcpPort > 65535 || (tcpPort >= 0 && (rate != 0 || !link.empty())))
    return Usage();

  // The serving thread must not take the signals that end the program.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    if (tcpPort >= 0) {
      nqsim::LanServer server(tcpPort);
      server.with([&](nqsim::Instrument& i) {
        i.setFault(*parsed);
        i.setIdentity(identity);
      });
      std::printf("%d\n", server.port());
      std::fflush(stdout);
      int signal = 0;
      sigwait(&stopSignals, &signal);
      return 0;
    }
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
