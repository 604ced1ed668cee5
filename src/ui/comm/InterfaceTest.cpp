#include "ui/comm/InterfaceTest.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <optional>

#include "core/app/Prompter.h"
#include "core/comm/Identify.h"
#include "platform/QtSerialLink.h"
#include "platform/QtTcpLink.h"
#include "ui/app/AppContext.h"
#include "ui/comm/InterfaceChoice.h"

namespace averoz {
namespace {

constexpr int kResultLines = 3;

// Keeps the texts of the messages a failed identification shows, for the result field.
class CollectingPrompter final : public Prompter {
 public:
  Answer ask(const Message& message, Buttons, Icon) override {
    add(QString::fromStdString(message.prefix) + AppContext::instance().text(message.id) +
        QString::fromStdString(message.suffix));
    return Answer::Ok;
  }
  void showText(const std::string& text, Icon) override { add(QString::fromStdString(text)); }
  void status(const std::string&) override {}
  void processEvents() override { QCoreApplication::processEvents(); }

  QString text;

 private:
  void add(const QString& line) { text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + line; }
};

// The identification over interface method, numbered as in TransferInterfaces().
std::optional<std::string> Identify(int method, const InterfaceSetup& s, Prompter& prompter) {
  switch (method) {
    case 0: return IdentifyViaGpib(GpibTargetOf(s.values, s.gpibLibrary), prompter);
    case 1: {
      QtSerialLink link(s.comDevice);
      return IdentifyViaSerial(link, SerialTargetOf(s.values), prompter);
    }
    case 2: {
      QtTcpLink link;
      return IdentifyViaLan(link, LanTargetOf(s.values), prompter);
    }
    default: return std::nullopt;
  }
}

}  // namespace

InterfaceTest::InterfaceTest(std::function<InterfaceSetup()> setup, QWidget* parent)
    : QWidget(parent), setup_(std::move(setup)) {
  cbTestMethod_ = new QComboBox(this);
  cbTestMethod_->setObjectName(QStringLiteral("cbTestMethod"));
  cbTestMethod_->addItems(TransferInterfaces());
  // The interface the transfers use, unless another one is picked here.
  cbTestMethod_->setCurrentIndex(RememberedInterface(cbTestMethod_->count()));
  bnTest_ = new QPushButton(QStringLiteral("Test"), this);
  bnTest_->setObjectName(QStringLiteral("bnTest"));
  bnTest_->setAutoDefault(false);
  edTestResult_ = new QPlainTextEdit(this);
  edTestResult_->setObjectName(QStringLiteral("edTestResult"));
  edTestResult_->setReadOnly(true);
  edTestResult_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edTestResult_->setPlaceholderText(
      QStringLiteral("Test asks the instrument for its identity over the interface chosen."));
  const QMargins m = edTestResult_->contentsMargins();
  edTestResult_->setFixedHeight(edTestResult_->fontMetrics().lineSpacing() * kResultLines +
                                2 * int(edTestResult_->document()->documentMargin()) + m.top() +
                                m.bottom() + 2 * edTestResult_->frameWidth());

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(cbTestMethod_, 0, 0);
  grid->addWidget(bnTest_, 0, 1);
  grid->addWidget(edTestResult_, 1, 0, 1, 3);
  grid->setColumnStretch(2, 1);
  connect(bnTest_, &QPushButton::clicked, this, &InterfaceTest::bnTestClick);
}

void InterfaceTest::bnTestClick() {
  edTestResult_->clear();
  bnTest_->setEnabled(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  repaint();
  CollectingPrompter failures;
  const std::optional<std::string> identity =
      Identify(cbTestMethod_->currentIndex(), setup_(), failures);
  QApplication::restoreOverrideCursor();
  bnTest_->setEnabled(true);
  edTestResult_->setPlainText(identity ? QString::fromStdString(*identity) : failures.text);
}

}  // namespace averoz
