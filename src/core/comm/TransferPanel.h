#pragma once
// What the send and receive sequences need of their dialog: the states it shows, its progress
// bar, and the flag its Abort button clears. The sequences run on the user-interface thread
// and call letEventsRun after every piece, which is how Abort gets pressed at all.
#include <chrono>
#include <string>

#include "core/comm/LanLink.h"
#include "core/comm/SerialLink.h"

namespace averoz {

class TransferPanel {
 public:
  virtual ~TransferPanel() = default;

  // True while a transfer runs and has not failed; Abort clears it.
  bool transferOk = false;

  // Send disabled, Abort shown over Cancel, the status text IMFMSG 12 shown, repainted.
  virtual void showTransferring() = 0;
  // Abort disabled, the status text IMFMSG 13, repainted (the final acknowledgement of a send).
  virtual void showConfirming() = 0;
  // The transfer is over and its final message may come next: the status text of the stage
  // that has passed goes first, so the message never stands over it. The idle state follows.
  // A panel without a status text has nothing to do.
  virtual void showEnded() {}
  // Abort hidden and enabled again, Send enabled, status text hidden, progress 0.
  virtual void showIdle() = 0;
  virtual void setProgressMaximum(int maximum) = 0;
  virtual void setProgress(int position) = 0;
  // Lets pending window events run.
  virtual void letEventsRun() = 0;
};

// The serial sequence's waits. The defaults are the instrument's; tests shorten them.
struct SerialTiming {
  // Receive time-out around the final acknowledgement of a send and around a received block.
  std::chrono::milliseconds longTimeout = kSerialLongTimeout;
  // After the block of a send has left the port.
  std::chrono::milliseconds settle{500};
  // Longest the send waits for CTS before its final query. The wait cannot be aborted (Abort
  // is disabled by then), so a line that never frees would otherwise hang the program.
  std::chrono::milliseconds ctsLimit{60000};
  // A piece of a send that finds no room in the transmit buffer for this long fails.
  std::chrono::milliseconds transmitTimeout = kSerialTransmitTimeout;
  // WaitSerialDrained gives up when the queue has not moved for this long.
  std::chrono::milliseconds drainStall{5000};
  // Once the queue is empty, the time the last character takes to leave the wire.
  std::chrono::milliseconds lastCharacter = kSerialLastCharacter;
  Sleeper sleep;  // std::this_thread::sleep_for when empty
};

// Where a transfer goes over GPIB.
struct GpibTarget {
  std::string library;  // the driver library to load
  int board = 0;
  int address = 4;
  std::string delimiter = "\r\n";
  std::string modelPrefix;
};

// How a reply of the RS-232C command sequence ends: after the byte count the protocol expects
// of it (a serial line, read with a total time-out), or at the delimiter (a socket, where the
// instrument's whole line arrives and nothing of it may stay behind for the next reply).
enum class ReplyEnd { Counted, AtDelimiter };

// What the RS-232C command sequence needs to know of its link, whichever carries it.
struct LineTarget {
  std::string delimiter = "\r\n";
  std::string modelPrefix;
  SerialTiming timing;
  ReplyEnd replyEnd = ReplyEnd::Counted;
};

// Where a transfer goes over RS-232C.
struct SerialTarget : LineTarget {
  SerialSettings port;
};

// Where a transfer goes over the LAN: the same sequence, replies up to the delimiter.
struct LanTarget : LineTarget {
  LanTarget() { replyEnd = ReplyEnd::AtDelimiter; }
  LanEndpoint endpoint;
};

}  // namespace averoz
