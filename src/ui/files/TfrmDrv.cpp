#include "ui/files/TfrmDrv.h"

#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/app/DialogButtons.h"
#include "ui/files/CenterOn.h"

namespace averoz {

namespace {

constexpr int kRootRole = Qt::UserRole;

QString ItemText(const RemovableDrive& drive) {
  const QString root = QString::fromStdString(drive.root);
  return drive.label.empty() ? root
                             : QStringLiteral("%1  [%2]").arg(root, QString::fromStdString(drive.label));
}

}  // namespace

TfrmDrv::TfrmDrv(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("frmDrv"));
  setWindowTitle(QStringLiteral("Select Drive"));
  setModal(true);

  auto* label1 = new QLabel(QStringLiteral("Drive"), this);
  label1->setObjectName(QStringLiteral("Label1"));
  listDrv_ = new QListWidget(this);
  listDrv_->setObjectName(QStringLiteral("listDrv"));
  listDrv_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(listDrv_, &QListWidget::currentRowChanged, this, &TfrmDrv::listDrvClick);

  auto* label2 = new QLabel(QStringLiteral("Directory"), this);
  label2->setObjectName(QStringLiteral("Label2"));
  folders_ = new QFileSystemModel(this);
  folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  folders_->setReadOnly(true);
  DirectoryListBox1_ = new QTreeView(this);
  DirectoryListBox1_->setObjectName(QStringLiteral("DirectoryListBox1"));
  DirectoryListBox1_->setModel(folders_);
  DirectoryListBox1_->setHeaderHidden(true);
  for (int column = 1; column < folders_->columnCount(); ++column)
    DirectoryListBox1_->hideColumn(column);
  // It only shows where the export goes; the folder is fixed per document kind.
  DirectoryListBox1_->setEnabled(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1);
  layout->addWidget(listDrv_);
  layout->addWidget(label2);
  layout->addWidget(DirectoryListBox1_, 1);
  layout->addLayout(OkCancelRow(this));
  resize(360, 320);
  ResetFolder();
}

int TfrmDrv::ListDrives(const std::vector<RemovableDrive>& drives) {
  listDrv_->clear();
  for (const RemovableDrive& drive : drives) {
    auto* item = new QListWidgetItem(ItemText(drive), listDrv_);
    item->setData(kRootRole, QString::fromStdString(drive.root));
  }
  if (listDrv_->count() > 0) listDrv_->setCurrentRow(0);
  return listDrv_->count();
}

std::optional<std::string> TfrmDrv::Choose(const std::vector<RemovableDrive>& drives) {
  ListDrives(drives);
  CenterOnParent(*this);
  if (exec() != QDialog::Accepted) return std::nullopt;
  const QList<QListWidgetItem*> selected = listDrv_->selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return selected.front()->data(kRootRole).toString().toStdString();
}

void TfrmDrv::ResetFolder() { ShowFolder(QStringLiteral("/")); }

QString TfrmDrv::shownFolder() const {
  return folders_->filePath(DirectoryListBox1_->rootIndex());
}

void TfrmDrv::listDrvClick() {
  if (QListWidgetItem* item = listDrv_->currentItem()) ShowFolder(item->data(kRootRole).toString());
}

void TfrmDrv::ShowFolder(const QString& path) {
  DirectoryListBox1_->setRootIndex(folders_->setRootPath(path));
}

}  // namespace averoz
