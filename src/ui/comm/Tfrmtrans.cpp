// "Send to NQ".
#include "ui/comm/Tfrmtrans.h"

#include <QComboBox>

#include "core/comm/SendFlow.h"
#include "platform/QtSerialLink.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/files/CenterOn.h"

namespace averoz {

Tfrmtrans::Tfrmtrans(TMainForm& main) : TransferDialog(main, false) {
  setObjectName(QStringLiteral("Tfrmtrans"));
  setWindowTitle(QStringLiteral("Send to NQ"));
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
  if (cbMethod_->currentIndex() == 0) {
    SendViaGpib(gpibTarget(), memory, transferPayload_, *this, prompter);
  } else {
    QtSerialLink link(AppContext::instance().settings());
    SendViaSerial(link, serialTarget(), memory, transferPayload_, *this, prompter);
  }
}

}  // namespace averoz
