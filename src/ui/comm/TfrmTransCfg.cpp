#include "ui/comm/TfrmTransCfg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/general.h"
#include "core/comm/Protocol.h"
#include "ui/app/AppContext.h"
#include "ui/comm/GpibLibraryField.h"
#include "ui/comm/InterfaceTest.h"
#include "ui/comm/PortDeviceField.h"
#include "ui/wave/FieldChecks.h"

namespace averoz {

namespace {

QComboBox* List(const QString& name, const QStringList& items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->setEditable(false);
  box->addItems(items);
  return box;
}

QStringList Numbers(int first, int last) {
  QStringList items;
  for (int i = first; i <= last; ++i) items << QString::number(i);
  return items;
}

const QStringList kDelimiters = {QStringLiteral("CR+LF"), QStringLiteral("LF")};

// An index the list does not have leaves it without a selection.
void Select(QComboBox* box, int index) {
  box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

// The address as the field shows it once accepted (blank-padded groups), or nothing when it
// does not normalise. Typed in compact form ("10.0.0.9") it is padded first.
std::optional<std::string> CheckedAddress(const QString& text) {
  const std::string dotted = NormalizeIPv4(MaskIPv4(text.toStdString()));
  if (dotted.empty()) return std::nullopt;
  return MaskIPv4(dotted);
}

// A TCP port, 1 to 65535, as plain decimal text.
std::optional<std::string> CheckedPort(const QString& text) {
  bool number = false;
  const int port = text.trimmed().toInt(&number);
  if (!number || port < 1 || port > 65535) return std::nullopt;
  return std::to_string(port);
}

QGroupBox* Group(const QString& name, const QString& caption, QWidget* parent) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(name);
  return group;
}

}  // namespace

TfrmTransCfg::TfrmTransCfg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("frmTransCfg"));
  setWindowTitle(QStringLiteral("Configure Interface"));
  setModal(true);

  gbGPIB_ = Group(QStringLiteral("gbGPIB"), QStringLiteral("GP-IB"), this);
  cbAdr_ = List(QStringLiteral("cbAdr"), Numbers(0, 30), gbGPIB_);
  cbDel_ = List(QStringLiteral("cbDel"), kDelimiters, gbGPIB_);
  auto* gpib = new QFormLayout(gbGPIB_);
  gpib->addRow(QStringLiteral("Address"), cbAdr_);
  gpib->addRow(QStringLiteral("Delimitter"), cbDel_);
  gpibLibrary_ = new GpibLibraryField(gbGPIB_);
  gpibLibrary_->setObjectName(QStringLiteral("GpibLibrary"));
  gpib->addRow(QStringLiteral("Library"), gpibLibrary_);

  gbRS_ = Group(QStringLiteral("gbRS"), QStringLiteral("RS-232C"), this);
  cbPort_ = new QComboBox(gbRS_);
  cbPort_->setObjectName(QStringLiteral("cbPort"));
  portDevice_ = new PortDeviceField(*cbPort_, gbRS_);
  auto* portRow = new QHBoxLayout;
  portRow->addWidget(cbPort_);
  portRow->addWidget(portDevice_, 1);
  cbRate_ = List(QStringLiteral("cbRate"),
                 {QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                  QStringLiteral("9600"), QStringLiteral("19200")},
                 gbRS_);
  cbParity_ = List(QStringLiteral("cbParity"),
                   {QStringLiteral("NONE"), QStringLiteral("ODD"), QStringLiteral("EVEN")}, gbRS_);
  cbDatabit_ = List(QStringLiteral("cbDatabit"), Numbers(7, 8), gbRS_);
  cbStopbit_ = List(QStringLiteral("cbStopbit"), Numbers(1, 2), gbRS_);
  cbDelRs_ = List(QStringLiteral("cbDelRs"), kDelimiters, gbRS_);
  auto* rs = new QFormLayout(gbRS_);
  rs->addRow(QStringLiteral("Port"), portRow);
  rs->addRow(QStringLiteral("Baud Rate"), cbRate_);
  rs->addRow(QStringLiteral("Parity"), cbParity_);
  rs->addRow(QStringLiteral("Data Bits"), cbDatabit_);
  rs->addRow(QStringLiteral("Stop Bits"), cbStopbit_);
  rs->addRow(QStringLiteral("Delimitter"), cbDelRs_);

  gbLAN_ = Group(QStringLiteral("gbLAN"), QStringLiteral("LAN"), this);
  meIpaddress_ = new QLineEdit(gbLAN_);
  meIpaddress_->setObjectName(QStringLiteral("meIpaddress"));
  edPort_ = new QLineEdit(gbLAN_);
  edPort_->setObjectName(QStringLiteral("edPort"));
  cbLANdel_ = List(QStringLiteral("cbLANdel"), kDelimiters, gbLAN_);
  auto* lan = new QFormLayout(gbLAN_);
  lan->addRow(QStringLiteral("IP Address"), meIpaddress_);
  lan->addRow(QStringLiteral("Port"), edPort_);
  lan->addRow(QStringLiteral("Delimitter"), cbLANdel_);

  bnOK_ = new QPushButton(QStringLiteral("OK"), this);
  bnOK_->setObjectName(QStringLiteral("bnOK"));
  bnOK_->setDefault(true);
  bnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  bnCancel_->setObjectName(QStringLiteral("bnCancel"));
  connect(bnOK_, &QPushButton::clicked, this, &QDialog::accept);
  connect(bnCancel_, &QPushButton::clicked, this, &QDialog::reject);
  test_ = new InterfaceTest([this] { return interfaceSetup(); }, this);
  test_->setObjectName(QStringLiteral("InterfaceTest"));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(bnOK_);
  buttons->addWidget(bnCancel_);
  auto* top = new QVBoxLayout(this);
  top->addWidget(gbGPIB_);
  top->addWidget(gbRS_);
  top->addWidget(gbLAN_);
  top->addWidget(test_);
  top->addLayout(buttons);
  top->setSizeConstraint(QLayout::SetFixedSize);
}

bool TfrmTransCfg::Execute(QWidget* parent) {
  TfrmTransCfg dialog(parent);
  return dialog.executeAndSave();
}

bool TfrmTransCfg::executeAndSave() { return exec() == QDialog::Accepted && SaveSettings(); }

void TfrmTransCfg::setVisible(bool visible) {
  if (visible && !isVisible()) FormShow();
  QDialog::setVisible(visible);
}

void TfrmTransCfg::FormShow() {
  const IniFile& settings = AppContext::instance().settings();
  loaded_ = LoadTransferSettings(settings);
  gpibLibrary_->load(settings);
  portDevice_->load(settings);

  Select(cbAdr_, loaded_.gpibAddress);
  Select(cbDel_, loaded_.gpibDelim);
  Select(cbPort_, loaded_.rsPort);
  Select(cbRate_, loaded_.rsRate);
  Select(cbParity_, loaded_.rsParity);
  Select(cbDatabit_, loaded_.rsDatabit);
  Select(cbStopbit_, loaded_.rsStopbit);
  Select(cbDelRs_, loaded_.rsDelim);
  // The field edits four blank-padded groups; a compact stored address is padded into them
  // so that it reads back unchanged.
  ipAccepted_ = QString::fromStdString(MaskIPv4(loaded_.ipAddress));
  meIpaddress_->setText(ipAccepted_);
  portAccepted_ = QString::number(loaded_.lanPort);
  edPort_->setText(portAccepted_);
  Select(cbLANdel_, loaded_.lanDelim);
}

TransferSettings TfrmTransCfg::shownValues() const {
  TransferSettings values = loaded_;
  values.gpibAddress = cbAdr_->currentIndex();
  values.gpibDelim = cbDel_->currentIndex();
  values.ipAddress = NormalizeIPv4(meIpaddress_->text().toStdString());
  bool number = false;
  const int port = edPort_->text().trimmed().toInt(&number);
  values.lanPort = number ? port : loaded_.lanPort;
  values.lanDelim = cbLANdel_->currentIndex();
  values.rsPort = cbPort_->currentIndex();
  values.rsRate = cbRate_->currentIndex();
  values.rsDatabit = cbDatabit_->currentIndex();
  values.rsDelim = cbDelRs_->currentIndex();
  values.rsStopbit = cbStopbit_->currentIndex();
  values.rsParity = cbParity_->currentIndex();
  // A list without a selection keeps the delimiter of the last load, as a transfer would.
  values.gpibDelimiter = DelimiterFor(values.gpibDelim).value_or(loaded_.gpibDelimiter);
  values.rsDelimiter = DelimiterFor(values.rsDelim).value_or(loaded_.rsDelimiter);
  values.lanDelimiter = DelimiterFor(values.lanDelim).value_or(loaded_.lanDelimiter);
  return values;
}

void TfrmTransCfg::accept() {
  // Only what the user typed is checked: values as loaded go back as they came (an address
  // that does not normalise is then written empty). A refused field gets its last accepted
  // text back and the dialog stays open.
  if (meIpaddress_->text() != ipAccepted_ &&
      !SettleField(meIpaddress_, ipAccepted_, CheckedAddress(meIpaddress_->text())))
    return;
  if (edPort_->text() != portAccepted_ &&
      !SettleField(edPort_, portAccepted_, CheckedPort(edPort_->text())))
    return;
  QDialog::accept();
}

bool TfrmTransCfg::SaveSettings() {
  const TransferSettings values = shownValues();
  // One write sequence: the first key that cannot be written is reported and ends it. The
  // library and the COM devices follow the dialog's own keys.
  return WriteSetting([&](IniFile& settings) {
    WriteTransferSettings(settings, values);
    gpibLibrary_->save(settings);
    portDevice_->save(settings);
  });
}

InterfaceSetup TfrmTransCfg::interfaceSetup() const {
  return InterfaceSetup{shownValues(), gpibLibrary_->library(),
                        [this](int com) { return portDevice_->devicePath(com); }};
}

}  // namespace averoz
