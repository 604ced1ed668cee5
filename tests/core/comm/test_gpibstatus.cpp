// The driver status text shown under every GPIB failure.
#include <gtest/gtest.h>

#include "core/comm/Gpib.h"

namespace averoz {
namespace {

TEST(GpibStatusText, Texts) {
  struct Case {
    GpibStatus status;
    std::string text;
  };
  const Case cases[] = {
      {{33024, 2, 0}, "ibsta = $8100< ERR  CMPL > iberr = 2< ENOL:No Listener > ibcntl = 0"},
      {{0x0100, 9, 25}, "ibsta = $0100< CMPL > iberr = 9<> ibcntl = 25"},
      {{0, 0, 0}, "ibsta = $0000<> iberr = 0< EDVR:System error > ibcntl = 0"},
      {{0xFFFF, 20, 1024},
       "ibsta = $FFFF< ERR  TMO  END  SRQI  RQS  SPOLL  EVENT  CMPL  LOK  REM  CIC  ATN  TACS "
       " LACS  DTAS  DCAS > iberr = 20< ETAB:Address table > ibcntl = 1024"},
      {{0xC000, 6, 0}, "ibsta = $C000< ERR  TMO > iberr = 6< EABO:I/O aborted > ibcntl = 0"},
      {{0x2100, 13, 68}, "ibsta = $2100< END  CMPL > iberr = 13<> ibcntl = 68"},
      {{0x0001, -1, 0}, "ibsta = $0001< DCAS > iberr = -1<> ibcntl = 0"},
  };
  for (const Case& c : cases) EXPECT_EQ(GpibStatusText(c.status), c.text);
}

TEST(GpibStatusText, FollowsTheMessageOnTheNextLine) {
  const Message m = ShowGpibStatus(GPMSG(4), GpibStatus{33024, 2, 0});
  EXPECT_EQ(m.id, GPMSG(4));
  EXPECT_EQ(m.prefix, "");
  EXPECT_EQ(m.suffix, "\nibsta = $8100< ERR  CMPL > iberr = 2< ENOL:No Listener > ibcntl = 0");
}

}  // namespace
}  // namespace averoz
