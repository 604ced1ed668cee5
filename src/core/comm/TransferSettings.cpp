#include "core/comm/TransferSettings.h"

#include <optional>
#include <utility>

#include "core/app/IniFile.h"
#include "core/comm/Protocol.h"

namespace averoz {

namespace {

void ApplyDelimiter(int setting, std::string& delimiter) {
  if (const std::optional<std::string> d = DelimiterFor(setting)) delimiter = *d;
}

}  // namespace

TransferSettings LoadTransferSettings(const IniFile& settings, const TransferSettings& previous) {
  const TransferSettings def;
  TransferSettings s;
  s.boardIdText = settings.ReadString("GPIB", "BoardID", def.boardIdText);
  std::int32_t board = 0;
  s.boardId = ParseIniInteger(s.boardIdText, board) ? board : def.boardId;
  s.gpibAddress = settings.ReadInteger("GPIB", "Address", def.gpibAddress);
  s.gpibDelim = settings.ReadInteger("GPIB", "Delim", def.gpibDelim);
  s.modelNumber = settings.ReadString("GPIB", "ModelNumber", def.modelNumber);

  s.ipAddress = settings.ReadString("TCPIP", "IPAddress", def.ipAddress);
  s.lanPort = settings.ReadInteger("TCPIP", "PortNo", def.lanPort);
  s.lanDelim = settings.ReadInteger("TCPIP", "Delim", def.lanDelim);

  s.rsPort = settings.ReadInteger("RS", "Port", def.rsPort);
  s.rsRate = settings.ReadInteger("RS", "Rate", def.rsRate);
  s.rsParity = settings.ReadInteger("RS", "Parity", def.rsParity);
  s.rsDatabit = settings.ReadInteger("RS", "Databit", def.rsDatabit);
  s.rsStopbit = settings.ReadInteger("RS", "Stopbit", def.rsStopbit);
  s.rsDelim = settings.ReadInteger("RS", "Delim", def.rsDelim);

  s.gpibDelimiter = previous.gpibDelimiter;
  s.rsDelimiter = previous.rsDelimiter;
  s.lanDelimiter = previous.lanDelimiter;
  ApplyDelimiter(s.gpibDelim, s.gpibDelimiter);
  ApplyDelimiter(s.rsDelim, s.rsDelimiter);
  ApplyDelimiter(s.lanDelim, s.lanDelimiter);
  return s;
}

void WriteTransferSettings(IniFile& settings, const TransferSettings& v) {
  settings.WriteInteger("GPIB", "Address", v.gpibAddress);
  settings.WriteInteger("GPIB", "Delim", v.gpibDelim);
  settings.WriteString("TCPIP", "IPAddress", v.ipAddress);
  settings.WriteInteger("TCPIP", "PortNo", v.lanPort);
  settings.WriteInteger("TCPIP", "Delim", v.lanDelim);
  settings.WriteInteger("RS", "Port", v.rsPort);
  settings.WriteInteger("RS", "Rate", v.rsRate);
  settings.WriteInteger("RS", "Databit", v.rsDatabit);
  settings.WriteInteger("RS", "Delim", v.rsDelim);
  settings.WriteInteger("RS", "Stopbit", v.rsStopbit);
  settings.WriteInteger("RS", "Parity", v.rsParity);
}

GpibTarget GpibTargetOf(const TransferSettings& values, std::string library) {
  return GpibTarget{std::move(library), values.boardId, values.gpibAddress, values.gpibDelimiter,
                    values.modelNumber};
}

namespace {

void SetLine(LineTarget& target, const std::string& delimiter, const TransferSettings& values,
             const SerialTiming& timing) {
  target.delimiter = delimiter;
  target.modelPrefix = values.modelNumber;
  target.timing = timing;
}

}  // namespace

SerialTarget SerialTargetOf(const TransferSettings& values, const SerialTiming& timing) {
  SerialTarget target;
  SetLine(target, values.rsDelimiter, values, timing);
  target.port = SerialSettingsOf(values);
  return target;
}

LanTarget LanTargetOf(const TransferSettings& values, const SerialTiming& timing) {
  LanTarget target;
  SetLine(target, values.lanDelimiter, values, timing);
  target.timing.settle = std::chrono::milliseconds{0};
  target.timing.lastCharacter = std::chrono::milliseconds{0};
  target.endpoint.host = values.ipAddress;
  target.endpoint.port = values.lanPort;
  return target;
}

SerialSettings SerialSettingsOf(const TransferSettings& v) {
  return MakeSerialSettings(v.rsPort, v.rsRate, v.rsParity, v.rsDatabit, v.rsStopbit);
}

std::string MaskIPv4(std::string_view dotted) {
  std::string masked;
  std::size_t fields = 0;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = dotted.find('.', start);
    const std::string_view field = dotted.substr(start, dot - start);
    if (field.empty() || field.size() > 3 ||
        field.find_first_not_of("0123456789") != std::string_view::npos || ++fields > 4)
      return std::string(dotted);
    masked.append(3 - field.size(), ' ');
    masked.append(field);
    if (dot == std::string_view::npos) break;
    masked += '.';
    start = dot + 1;
  }
  return fields == 4 ? masked : std::string(dotted);
}

}  // namespace averoz
