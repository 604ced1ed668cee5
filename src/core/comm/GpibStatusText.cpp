// The driver status shown under every GPIB failure message.
#include <array>
#include <cstdio>

#include "core/comm/Gpib.h"

namespace averoz {

namespace {

// Bit 15 first.
constexpr std::array<const char*, 16> kBitNames = {
    " ERR ",  " TMO ", " END ",  " SRQI ", " RQS ",  " SPOLL ", " EVENT ", " CMPL ",
    " LOK ",  " REM ", " CIC ",  " ATN ",  " TACS ", " LACS ",  " DTAS ",  " DCAS "};

const char* ErrorName(int iberr) {
  switch (iberr) {
    case 0: return " EDVR:System error ";
    case 1: return " ECIC:Not controller ";
    case 2: return " ENOL:No Listener ";
    case 3: return " EADR:Not Addressed ";
    case 4: return " EARG:Invalid argument ";
    case 5: return " ESAC:Not system ctrl ";
    case 6: return " EABO:I/O aborted ";
    case 7: return " ENEB:No GPIB board ";
    case 8: return " EDMA:DMA error ";
    case 10: return " EOIP:Async. I/O ";
    case 11: return " ECAP:No capability ";
    case 12: return " EFSO:File sys. error ";
    case 14: return " EBUS:GPIB bus error ";
    case 15: return " ESTB:STB queue ovf. ";
    case 16: return " ESRQ:SRQ stack ";
    case 20: return " ETAB:Address table ";
    default: return "";
  }
}

}  // namespace

std::string GpibStatusText(const GpibStatus& status) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(status.ibsta));
  std::string text = "ibsta = $";
  text += hex;
  text += '<';
  for (int bit = 15; bit >= 0; --bit) {
    if (status.ibsta & (1 << bit)) text += kBitNames[static_cast<std::size_t>(15 - bit)];
  }
  text += "> iberr = ";
  text += std::to_string(status.iberr);
  text += '<';
  text += ErrorName(status.iberr);
  text += "> ibcntl = ";
  text += std::to_string(status.ibcnt);
  return text;
}

Message ShowGpibStatus(MessageId message, const GpibStatus& status) {
  // A line feed: a lone CR is no line break in a message box here.
  return Message{message, {}, "\n" + GpibStatusText(status)};
}

}  // namespace averoz
