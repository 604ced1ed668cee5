#pragma once
// Address of one entry of the message catalog: a section and a number.
#include <string>

namespace averoz {

enum class MsgSection { ERRMSG, IMFMSG, GPMSG };

struct MessageId {
  MsgSection section;
  int number;
  friend bool operator==(const MessageId&, const MessageId&) = default;
};

constexpr MessageId ERRMSG(int n) { return {MsgSection::ERRMSG, n}; }
constexpr MessageId IMFMSG(int n) { return {MsgSection::IMFMSG, n}; }
constexpr MessageId GPMSG(int n) { return {MsgSection::GPMSG, n}; }

// "ERRMSG", "IMFMSG" or "GPMSG".
const char* SectionName(MsgSection section);
// The key of the entry in section "Message" of the settings file: "ERRMSG27".
std::string MessageKey(MessageId id);

}  // namespace averoz
