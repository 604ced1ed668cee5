#pragma once
// "Status": the report of a text import (invalid cells, dropped data, the count read) with
// its progress. It stays on top and open after the import until the user presses OK.
#include <QDialog>

#include "core/files/TextImport.h"

class QPlainTextEdit;
class QProgressBar;

namespace averoz {

class Tfrminfo : public QDialog, public ImportStatus {
  Q_OBJECT
 public:
  explicit Tfrminfo(QWidget* parent = nullptr);

  // ImportStatus: Clear shows the window with an empty memo.
  void Clear() override;
  void Append(const Message& line) override;
  void AppendText(const std::string& line) override;
  void SetProgressMax(int max) override;
  void SetProgress(int position) override;
  void Close() override { close(); }

  QString text() const;

 protected:
  // However the window goes (OK, Close, Escape), its memo is cleared.
  void hideEvent(QHideEvent* event) override;

 private:
  void ApplyLanguageFont();

  QPlainTextEdit* mestatus_;
  QProgressBar* pbaccess_;
};

}  // namespace averoz
