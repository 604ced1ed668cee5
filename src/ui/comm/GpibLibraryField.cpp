#include "ui/comm/GpibLibraryField.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

#include "core/app/IniFile.h"
#include "core/comm/Gpib.h"
#include "ui/files/QtFileChooser.h"

namespace averoz {
namespace {

constexpr const char* kSection = "GPIB";
constexpr const char* kKey = "Library";

}  // namespace

GpibLibraryField::GpibLibraryField(QWidget* parent)
    : QWidget(parent), ownChooser_(std::make_unique<QtFileChooser>(this)) {
  edGpibLibrary_ = new QLineEdit(this);
  edGpibLibrary_->setObjectName(QStringLiteral("edGpibLibrary"));
  edGpibLibrary_->setPlaceholderText(QString::fromLatin1(kDefaultGpibLibrary) +
                                     QStringLiteral(" (default)"));
  edGpibLibrary_->setClearButtonEnabled(true);
  bnGpibLibrary_ = new QToolButton(this);
  bnGpibLibrary_->setText(QStringLiteral("..."));
  bnGpibLibrary_->setObjectName(QStringLiteral("bnGpibLibrary"));
  bnGpibLibrary_->setToolTip(QStringLiteral("Choose the GPIB driver library"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(edGpibLibrary_, 1);
  row->addWidget(bnGpibLibrary_);
  connect(bnGpibLibrary_, &QToolButton::clicked, this, &GpibLibraryField::browse);
}

GpibLibraryField::~GpibLibraryField() = default;

void GpibLibraryField::load(const IniFile& settings) {
  loaded_ = QString::fromStdString(settings.ReadString(kSection, kKey, ""));
  edGpibLibrary_->setText(loaded_);
}

void GpibLibraryField::save(IniFile& settings) const {
  const QString text = edGpibLibrary_->text().trimmed();
  if (text != loaded_) settings.WriteString(kSection, kKey, text.toStdString());
}

std::string GpibLibraryField::library() const {
  const std::string text = edGpibLibrary_->text().trimmed().toStdString();
  return text.empty() ? std::string(kDefaultGpibLibrary) : text;
}

void GpibLibraryField::browse() {
  FileChooser& chooser = chooserOverride_ ? *chooserOverride_ : *ownChooser_;
  OpenDialogRequest request;
  request.filter = "Shared libraries (*.so*)|*.so*|All files (*)|*";
  request.fileName = edGpibLibrary_->text().trimmed().toStdString();
  if (const auto chosen = chooser.Open(request))
    edGpibLibrary_->setText(QString::fromStdString(*chosen));
}

}  // namespace averoz
