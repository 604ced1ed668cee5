#pragma once
// The interface settings of sections "GPIB", "TCPIP" and "RS": what the transfer dialogs
// load each time they open and what the Configure Interface dialog stores.
#include <string>
#include <string_view>

#include "core/comm/SerialLink.h"
#include "core/comm/TransferPanel.h"

namespace averoz {

class IniFile;

inline constexpr const char* kDefaultIpAddress = "192.168.0.1";
inline constexpr int kDefaultLanPort = 10330;

// Every list setting is the index of the chosen item, stored as it is (also when a
// hand-edited file holds an index outside the list).
struct TransferSettings {
  // "GPIB"
  std::string boardIdText = "0";  // stored as text
  int boardId = 0;                // the text as a number; 0 when it is none
  int gpibAddress = 4;
  int gpibDelim = 0;  // 0 CR LF, 1 LF
  std::string modelNumber;
  // "TCPIP"
  std::string ipAddress = kDefaultIpAddress;
  int lanPort = kDefaultLanPort;
  int lanDelim = 1;
  // "RS"
  int rsPort = 0;  // 0 = COM1
  int rsRate = 3;  // 0..4 = 1200..19200 bit/s
  int rsParity = 0;
  int rsDatabit = 1;
  int rsStopbit = 0;
  int rsDelim = 0;
  // The delimiter strings the transfers append. A stored value other than 0 or 1 names no
  // delimiter and leaves the string of the previous load.
  std::string gpibDelimiter;
  std::string rsDelimiter;
  std::string lanDelimiter;
};

// Reads every key of the three sections with its default; the delimiter strings start from
// those of the previous load.
TransferSettings LoadTransferSettings(const IniFile& settings,
                                      const TransferSettings& previous = {});

// The keys the Configure Interface dialog owns, in this order: GPIB Address, Delim; TCPIP
// IPAddress, PortNo, Delim; RS Port, Rate, Databit, Delim, Stopbit, Parity. BoardID and
// ModelNumber are never written. Throws IniWriteError at the first key that cannot be written.
void WriteTransferSettings(IniFile& settings, const TransferSettings& values);

// The serial port properties of the "RS" indices.
SerialSettings SerialSettingsOf(const TransferSettings& values);

// Where a transfer goes with these settings: over GPIB through the driver library the
// settings file names, over RS-232C or the LAN with the sequence's waits.
GpibTarget GpibTargetOf(const TransferSettings& values, std::string library);
SerialTarget SerialTargetOf(const TransferSettings& values, const SerialTiming& timing = {});
// Over the LAN: the RS-232C sequence's time-outs, without its pauses after a text and after
// the block (a socket has no last character still on the wire).
LanTarget LanTargetOf(const TransferSettings& values, const SerialTiming& timing = {});

// A dotted address as four blank-padded three-character fields ("192.168.0.1" ->
// "192.168.  0.  1"), the form the address field edits and NormalizeIPv4 reads back. Text
// that is not four dotted groups of up to three digits comes back unchanged.
std::string MaskIPv4(std::string_view dotted);

}  // namespace averoz
