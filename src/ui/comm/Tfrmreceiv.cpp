// "Receive from NQ".
#include "ui/comm/Tfrmreceiv.h"

#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>

#include "core/comm/Protocol.h"
#include "core/comm/ReceiveFlow.h"
#include "platform/QtSerialLink.h"
#include "platform/QtTcpLink.h"
#include "ui/app/AppContext.h"
#include "ui/app/DocumentWindow.h"
#include "ui/app/TMainForm.h"
#include "ui/files/CenterOn.h"

namespace averoz {

Tfrmreceiv::Tfrmreceiv(TMainForm& main) : TransferDialog(main, true) {
  setObjectName(QStringLiteral("Tfrmreceiv"));
  setWindowTitle(QStringLiteral("Receive from NQ"));
}

Tfrmreceiv& Tfrmreceiv::of(TMainForm& main) {
  if (auto* dialog = main.findChild<Tfrmreceiv*>(QStringLiteral("Tfrmreceiv"),
                                                 Qt::FindDirectChildrenOnly))
    return *dialog;
  return *new Tfrmreceiv(main);
}

int Tfrmreceiv::execDialog() {
  FormShow();
  adjustSize();
  CenterOnParent(*this);
  return exec();
}

void Tfrmreceiv::bnOKClick() {
  bnOK_->setEnabled(false);
  const std::string memory = cbblock_->currentText().toStdString();
  Prompter& prompter = main_.prompter();
  std::vector<std::int32_t> words;
  int result = 0;
  if (cbMethod_->currentIndex() == 0) {
    result = ReceiveViaGpib(gpibTarget(), memory, *this, prompter, words);
  } else if (cbMethod_->currentIndex() == 1) {
    QtSerialLink link(AppContext::instance().settings());
    result = ReceiveViaSerial(link, serialTarget(), memory, *this, prompter, words);
  } else {
    QtTcpLink link;
    result = ReceiveViaLan(link, lanTarget(), memory, *this, prompter, words);
  }
  if (const auto message = ReceiveResultMessage(result)) {
    prompter.warn(*message);
  } else {
    // The decoded words become the samples as they are, in a new Modulation document.
    main_.loadSamples.assign(words.begin(), words.end());
    main_.CloseUntouchedStartup();
    // No file holds the received memory yet: closing the document must ask to save it.
    if (DocumentWindow* doc = main_.OpenDocument(0, QString(), static_cast<int>(kBlockWords))) {
      doc->setSaved(false);
      // The dialog stays in front: the status bar tells where the memory went.
      main_.statusBar()->showMessage(QStringLiteral("Memory %1 received in %2")
                                         .arg(QString::fromStdString(memory), doc->caption()));
    }
  }
  bnOK_->setEnabled(true);
}

}  // namespace averoz
