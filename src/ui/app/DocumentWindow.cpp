#include "ui/app/DocumentWindow.h"

#include <QCloseEvent>

#include "ui/app/DocumentHost.h"

namespace averoz {

DocumentWindow::DocumentWindow(DocumentHost* host, int docKind)
    : host_(host), docKind_(docKind), lblEdit_(new QLabel(this)) {
  lblEdit_->setObjectName(QStringLiteral("lblEdit"));
  lblEdit_->hide();
}

void DocumentWindow::setCaption(const QString& caption) {
  caption_ = caption;
  setWindowTitle(caption + QStringLiteral("[*]"));
}

void DocumentWindow::showSavedMark(bool saved) {
  lblEdit_->setText(saved ? QString() : QStringLiteral("*"));
  setWindowModified(!saved);
}

void DocumentWindow::closeWithoutPrompt() {
  skipPrompt_ = true;
  if (QWidget* frame = parentWidget()) frame->close();
  else close();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
  if (!skipPrompt_ && !host_->ConfirmDocumentClose(*this)) {
    skipPrompt_ = false;
    event->ignore();
    return;
  }
  event->accept();
  host_->DocumentClosing(*this);
}

}  // namespace averoz
