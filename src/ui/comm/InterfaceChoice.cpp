#include "ui/comm/InterfaceChoice.h"

#include <QComboBox>

#include "ui/app/AppContext.h"

namespace averoz {
namespace {

constexpr const char* kSection = "Trans";
constexpr const char* kKey = "Interface";

}  // namespace

QStringList TransferInterfaces() {
  return {QStringLiteral("GPIB"), QStringLiteral("RS-232C"), QStringLiteral("LAN")};
}

int RememberedInterface(int count, int fallback) {
  const int stored = AppContext::instance().settings().ReadInteger(kSection, kKey, fallback);
  return stored >= 0 && stored < count ? stored : fallback;
}

void RememberInterfaceChoice(QComboBox& method) {
  method.setCurrentIndex(RememberedInterface(method.count(), method.currentIndex()));
  // Only what the user picks is stored, not the selection made here.
  QObject::connect(&method, &QComboBox::activated, &method, [](int index) {
    WriteSetting([index](IniFile& ini) { ini.WriteInteger(kSection, kKey, index); });
  });
}

}  // namespace averoz
