#include "core/app/MessageId.h"

namespace averoz {

const char* SectionName(MsgSection section) {
  switch (section) {
    case MsgSection::ERRMSG: return "ERRMSG";
    case MsgSection::IMFMSG: return "IMFMSG";
    case MsgSection::GPMSG: return "GPMSG";
  }
  return "";
}

std::string MessageKey(MessageId id) {
  return SectionName(id.section) + std::to_string(id.number);
}

}  // namespace averoz
