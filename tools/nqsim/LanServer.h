#pragma once
// The simulated instrument on the network: a TCP server on the loopback address, served by a
// background thread, one connection at a time (the next connection finds the memories as the
// last one left them). Replies go out as fast as the socket takes them.
//
// A block cut short (fault short_block) is followed by the end of the connection, as from an
// instrument that drops its link mid-block, so the controller's read ends at once instead of
// waiting for its time-out.
#include <atomic>
#include <cstddef>
#include <mutex>
#include <thread>

#include "Instrument.h"

namespace nqsim {

class LanServer {
 public:
  // Listens on 127.0.0.1:port (0: a free port of the system's choice) and starts serving.
  // Throws std::system_error when the port cannot be had.
  explicit LanServer(int port = 0);
  ~LanServer();
  LanServer(const LanServer&) = delete;
  LanServer& operator=(const LanServer&) = delete;

  int port() const { return port_; }

  // Runs f on the instrument, which the serving thread shares: faults, identity, memories.
  template <class F>
  auto with(F&& f) {
    std::lock_guard lock(mutex_);
    return f(instrument_);
  }
  // Bytes taken from connections since the start.
  std::size_t bytesReceived() const { return received_; }
  // Connections accepted since the start.
  int connections() const { return connections_; }

 private:
  void serve();
  // Serves one connection until it ends (or the server stops).
  void serveClient(int fd);

  int listen_ = -1;
  int port_ = 0;
  int wake_[2] = {-1, -1};
  std::atomic<bool> stop_{false};
  std::atomic<std::size_t> received_{0};
  std::atomic<int> connections_{0};
  std::mutex mutex_;
  Instrument instrument_;
  std::thread thread_;
};

}  // namespace nqsim
