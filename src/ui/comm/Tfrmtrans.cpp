// "Send to NQ".
#include "ui/comm/Tfrmtrans.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>

#include "core/comm/ReceiveFlow.h"
#include "core/comm/SendFlow.h"
#include "platform/QtSerialLink.h"
#include "platform/QtTcpLink.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/files/CenterOn.h"

namespace averoz {
namespace {

constexpr const char* kVerifySection = "Trans";
constexpr const char* kVerifyKey = "VerifyAfterSend";

}  // namespace

Tfrmtrans::Tfrmtrans(TMainForm& main) : TransferDialog(main, false) {
  setObjectName(QStringLiteral("Tfrmtrans"));
  setWindowTitle(QStringLiteral("Send to NQ"));
  cbVerify_ = new QCheckBox(QStringLiteral("Verify after sending"), this);
  cbVerify_->setObjectName(QStringLiteral("cbVerify"));
  static_cast<QGridLayout*>(layout())->addWidget(cbVerify_, 4, 0, 1, 3);
  connect(cbVerify_, &QCheckBox::clicked, this, [](bool on) {
    WriteSetting([on](IniFile& ini) { ini.WriteBool(kVerifySection, kVerifyKey, on); });
  });
}

Tfrmtrans& Tfrmtrans::of(TMainForm& main) {
  if (auto* dialog = main.findChild<Tfrmtrans*>(QStringLiteral("Tfrmtrans"),
                                                Qt::FindDirectChildrenOnly))
    return *dialog;
  return *new Tfrmtrans(main);
}

int Tfrmtrans::execWith(std::vector<std::uint8_t> payload) {
  transferPayload_ = std::move(payload);
  cbblock_->setCurrentIndex(0);
  cbVerify_->setChecked(AppContext::instance().settings().ReadBool(kVerifySection, kVerifyKey, false));
  FormShow();
  adjustSize();
  CenterOnParent(*this);
  const int result = exec();
  transferPayload_.clear();
  transferPayload_.shrink_to_fit();
  return result;
}

void Tfrmtrans::bnOKClick() {
  const std::string memory = cbblock_->currentText().toStdString();
  Prompter& prompter = main_.prompter();
  bool sent = false;
  if (cbMethod_->currentIndex() == 0) {
    sent = SendViaGpib(gpibTarget(), memory, transferPayload_, *this, prompter);
  } else if (cbMethod_->currentIndex() == 1) {
    QtSerialLink link(AppContext::instance().settings());
    sent = SendViaSerial(link, serialTarget(), memory, transferPayload_, *this, prompter);
  } else {
    QtTcpLink link;
    sent = SendViaLan(link, lanTarget(), memory, transferPayload_, *this, prompter);
  }
  if (sent && cbVerify_->isChecked()) verify(memory);
}

void Tfrmtrans::verify(const std::string& memory) {
  Prompter& prompter = main_.prompter();
  std::vector<std::uint8_t> back;
  bool read = false;
  if (cbMethod_->currentIndex() == 0) {
    read = ReadBackViaGpib(gpibTarget(), memory, *this, prompter, back);
  } else if (cbMethod_->currentIndex() == 1) {
    QtSerialLink link(AppContext::instance().settings());
    read = ReadBackViaSerial(link, serialTarget(), memory, *this, prompter, back);
  } else {
    QtTcpLink link;
    read = ReadBackViaLan(link, lanTarget(), memory, *this, prompter, back);
  }
  if (!read) return;  // the failure has been shown
  if (const auto mismatch = ReadBackMismatch(transferPayload_, back)) prompter.warn(*mismatch);
}

}  // namespace averoz
