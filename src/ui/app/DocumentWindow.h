#pragma once
// What the shell needs of every document window: name, kind, file, saved state and the
// close prompt.
#include <QLabel>
#include <QString>
#include <QWidget>

namespace averoz {

class DocumentHost;

class DocumentWindow : public QWidget {
  Q_OBJECT
 public:
  DocumentWindow(DocumentHost* host, int docKind);

  DocumentHost* host() const { return host_; }
  int docKind() const { return docKind_; }
  void setDocKind(int kind) { docKind_ = kind; }

  // The document name shown in the title and the Window menu.
  QString caption() const { return caption_; }
  void setCaption(const QString& caption);

  const QString& fileName() const { return fileName_; }
  void setFileName(const QString& path) { fileName_ = path; }

  // The document's own saved state (held by the document model).
  virtual bool isSaved() const = 0;
  virtual void setSaved(bool saved) = 0;

  // Shows the window at the size of a new document.
  virtual void showInitialSize() = 0;
  // True when at least the first sample or address holds data.
  virtual bool hasData() const = 0;
  // Called when this window becomes the active document.
  virtual void FormActivate() = 0;

  // The main window asked already (or the user chose No): close without asking again.
  void closeWithoutPrompt();

 protected:
  // The modified mark `lblEdit` ("*" while unsaved) and the title's mark.
  void showSavedMark(bool saved);
  void closeEvent(QCloseEvent* event) override;

 private:
  DocumentHost* host_;
  int docKind_;
  QString caption_;
  QString fileName_;
  bool skipPrompt_ = false;
  QLabel* lblEdit_;
};

}  // namespace averoz
