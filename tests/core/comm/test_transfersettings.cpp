// Interface settings: defaults, the serial properties they give, the keys the Configure
// Interface dialog writes, and which device each COM number opens.
#include <gtest/gtest.h>

#include "core/app/IniFile.h"
#include "core/app/general.h"
#include "core/comm/ComPortMap.h"
#include "core/comm/TransferSettings.h"
#include "support/TempDir.h"

namespace averoz {
namespace {

struct TransferSettingsTest : ::testing::Test {
  test::TempDir dir;
  std::string path = dir.file("averoz.INI");
  IniFile ini{path};
};

TEST_F(TransferSettingsTest, FreshFileGivesDefaults) {
  const TransferSettings s = LoadTransferSettings(ini);
  EXPECT_EQ(s.boardIdText, "0");
  EXPECT_EQ(s.boardId, 0);
  EXPECT_EQ(s.gpibAddress, 4);
  EXPECT_EQ(s.gpibDelim, 0);
  EXPECT_EQ(s.modelNumber, "");
  EXPECT_EQ(s.ipAddress, kDefaultIpAddress);
  EXPECT_EQ(s.lanPort, 10330);
  EXPECT_EQ(s.lanDelim, 1);
  EXPECT_EQ(s.rsPort, 0);
  EXPECT_EQ(s.rsRate, 3);
  EXPECT_EQ(s.rsParity, 0);
  EXPECT_EQ(s.rsDatabit, 1);
  EXPECT_EQ(s.rsStopbit, 0);
  EXPECT_EQ(s.rsDelim, 0);
  EXPECT_EQ(s.gpibDelimiter, "\r\n");
  EXPECT_EQ(s.rsDelimiter, "\r\n");

  const SerialSettings port = SerialSettingsOf(s);
  EXPECT_EQ(port.comNumber, 1);
  EXPECT_EQ(port.bitRate, 9600);
  EXPECT_EQ(port.parity, 0);
  EXPECT_EQ(port.dataBits, 8);
  EXPECT_EQ(port.stopBits, 1);
}

TEST_F(TransferSettingsTest, StoredIndicesBecomePortProperties) {
  struct Case {
    const char* rs;
    int com, bitRate, parity, dataBits, stopBits;
  };
  const Case cases[] = {
      {"Rate=4\n", 1, 19200, 0, 8, 1},
      {"Rate=0\n", 1, 1200, 0, 8, 1},
      {"Stopbit=1\n", 1, 9600, 0, 8, 2},
      {"Port=15\nParity=2\nDatabit=0\n", 16, 9600, 2, 7, 1},
      {"port = 2\nPARITY=1\n", 3, 9600, 1, 8, 1},  // names compare without case
  };
  for (const Case& c : cases) {
    test::WriteText(path, std::string("[RS]\n") + c.rs);
    const SerialSettings port = SerialSettingsOf(LoadTransferSettings(ini));
    EXPECT_EQ(port.comNumber, c.com) << c.rs;
    EXPECT_EQ(port.bitRate, c.bitRate) << c.rs;
    EXPECT_EQ(port.parity, c.parity) << c.rs;
    EXPECT_EQ(port.dataBits, c.dataBits) << c.rs;
    EXPECT_EQ(port.stopBits, c.stopBits) << c.rs;
  }
}

TEST_F(TransferSettingsTest, BoardIdIsTextTurnedIntoANumber) {
  test::WriteText(path, "[GPIB]\nBoardID=2\nModelNumber=NQ-2\n");
  TransferSettings s = LoadTransferSettings(ini);
  EXPECT_EQ(s.boardIdText, "2");
  EXPECT_EQ(s.boardId, 2);
  EXPECT_EQ(s.modelNumber, "NQ-2");
  test::WriteText(path, "[GPIB]\nBoardID=gpib0\n");
  s = LoadTransferSettings(ini);
  EXPECT_EQ(s.boardIdText, "gpib0");
  EXPECT_EQ(s.boardId, 0);
}

TEST_F(TransferSettingsTest, UnknownDelimiterKeepsThePreviousString) {
  test::WriteText(path, "[GPIB]\nDelim=1\n[RS]\nDelim=0\n");
  TransferSettings s = LoadTransferSettings(ini);
  EXPECT_EQ(s.gpibDelimiter, "\n");
  EXPECT_EQ(s.rsDelimiter, "\r\n");

  test::WriteText(path, "[GPIB]\nDelim=5\n[RS]\nDelim=-1\n");
  s = LoadTransferSettings(ini, s);
  EXPECT_EQ(s.gpibDelim, 5);
  EXPECT_EQ(s.gpibDelimiter, "\n");
  EXPECT_EQ(s.rsDelimiter, "\r\n");
  // The first load has nothing to keep.
  s = LoadTransferSettings(ini);
  EXPECT_EQ(s.gpibDelimiter, "");
  EXPECT_EQ(s.rsDelimiter, "");
}

// Section "TCPIP" is where a LAN transfer goes: the address and port, the delimiter (LF unless
// stored otherwise) and the model prefix; replies end at the delimiter, and the serial line's
// pauses for its last character are left out.
TEST_F(TransferSettingsTest, LanTargetComesFromSectionTcpip) {
  LanTarget fresh = LanTargetOf(LoadTransferSettings(ini));
  EXPECT_EQ(fresh.endpoint.host, kDefaultIpAddress);
  EXPECT_EQ(fresh.endpoint.port, 10330);
  EXPECT_EQ(fresh.endpoint.connectTimeout, std::chrono::milliseconds(5000));
  EXPECT_EQ(fresh.delimiter, "\n");

  test::WriteText(path,
                  "[GPIB]\nModelNumber=NQ\n[TCPIP]\nIPAddress=10.1.2.3\nPortNo=5025\nDelim=0\n");
  SerialTiming timing;
  timing.longTimeout = std::chrono::milliseconds(700);
  const LanTarget t = LanTargetOf(LoadTransferSettings(ini), timing);
  EXPECT_EQ(t.endpoint.host, "10.1.2.3");
  EXPECT_EQ(t.endpoint.port, 5025);
  EXPECT_EQ(t.delimiter, "\r\n");
  EXPECT_EQ(t.modelPrefix, "NQ");
  EXPECT_EQ(t.replyEnd, ReplyEnd::AtDelimiter);
  EXPECT_EQ(t.timing.longTimeout, std::chrono::milliseconds(700));
  EXPECT_EQ(t.timing.settle.count(), 0);
  EXPECT_EQ(t.timing.lastCharacter.count(), 0);
  EXPECT_EQ(SerialTargetOf(LoadTransferSettings(ini)).replyEnd, ReplyEnd::Counted);
}

TEST_F(TransferSettingsTest, WriterStoresTheDialogKeysInOrderAndKeepsTheRest) {
  test::WriteText(path, "; hand-written\n[GPIB]\nBoardID=1\nModelNumber=NQ\n");
  TransferSettings s = LoadTransferSettings(ini);
  s.gpibAddress = 30;
  s.gpibDelim = 1;
  s.ipAddress = "10.0.0.7";
  s.lanPort = 5025;
  s.lanDelim = 0;
  s.rsPort = 2;
  s.rsRate = -1;
  s.rsDatabit = 0;
  s.rsDelim = 1;
  s.rsStopbit = 1;
  s.rsParity = 2;
  s.boardIdText = "9";      // never written
  s.modelNumber = "OTHER";  // never written
  WriteTransferSettings(ini, s);
  EXPECT_EQ(test::ReadText(path),
            "; hand-written\n[GPIB]\nBoardID=1\nModelNumber=NQ\nAddress=30\nDelim=1\n\n"
            "[TCPIP]\nIPAddress=10.0.0.7\nPortNo=5025\nDelim=0\n\n"
            "[RS]\nPort=2\nRate=-1\nDatabit=0\nDelim=1\nStopbit=1\nParity=2\n");
  const TransferSettings back = LoadTransferSettings(ini);
  EXPECT_EQ(back.rsRate, -1);
  EXPECT_EQ(back.ipAddress, "10.0.0.7");
}

TEST(MaskIPv4, PadsEachFieldToThreeCharacters) {
  EXPECT_EQ(MaskIPv4("192.168.0.1"), "192.168.  0.  1");
  EXPECT_EQ(MaskIPv4("1.22.255.0"), "  1. 22.255.  0");
  // The stored default survives the dialog's round trip through the address field.
  EXPECT_EQ(NormalizeIPv4(MaskIPv4(kDefaultIpAddress)), kDefaultIpAddress);
  // Not a dotted quad: left for the normalisation to refuse.
  for (const char* text : {"", "1.2.3", "1.2.3.4.5", "1..3.4", "1.2.3.4444", "a.b.c.d",
                           "192.168.  0.  1"})
    EXPECT_EQ(MaskIPv4(text), text) << text;
}

TEST_F(TransferSettingsTest, ComNumbersMapToDevices) {
  EXPECT_EQ(ComDevicePath(ini, 1), "/dev/ttyS0");
  EXPECT_EQ(ComDevicePath(ini, 16), "/dev/ttyS15");
  EXPECT_EQ(ComDevicePath(ini, 0), "");
  EXPECT_EQ(ComDevicePath(ini, -3), "");
  test::WriteText(path, "[RS]\nCOM3=/dev/ttyUSB0\ncom16 = /dev/pts/7\nCOM1=\n");
  EXPECT_EQ(ComDevicePath(ini, 3), "/dev/ttyUSB0");
  EXPECT_EQ(ComDevicePath(ini, 16), "/dev/pts/7");
  EXPECT_EQ(ComDevicePath(ini, 1), "/dev/ttyS0");  // an empty entry maps nothing
  EXPECT_EQ(ComDevicePath(ini, 2), "/dev/ttyS1");
}

}  // namespace
}  // namespace averoz
