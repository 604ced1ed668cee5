#include "ui/spectrum/SpectrumDock.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "ui/app/AppContext.h"
#include "ui/spectrum/SpectrumPanel.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {

namespace {

// Notes at the frame's close whether the dock is open: by the time the frame is hidden the
// dock reads as hidden too.
class VisibilityKeeper : public QObject {
 public:
  explicit VisibilityKeeper(QDockWidget& dock) : QObject(&dock), dock_(dock) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close) {
      const bool open = dock_.isVisible();
      WriteSettingQuietly([open](IniFile& ini) { ini.WriteBool("Spectrum", "Visible", open); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QDockWidget& dock_;
};

}  // namespace

void InstallSpectrumDock(QMainWindow& frame, QMdiArea& area, QMenu& viewMenu) {
  auto* dock = new QDockWidget(QObject::tr("Spectrum"), &frame);
  dock->setObjectName(QStringLiteral("dkSpectrum"));
  auto* panel = new SpectrumPanel(dock);
  dock->setWidget(panel);
  frame.addDockWidget(Qt::BottomDockWidgetArea, dock);
  // Open again at the next start when it was open at the last close.
  frame.installEventFilter(new VisibilityKeeper(*dock));
  dock->setVisible(AppContext::instance().settings().ReadBool("Spectrum", "Visible", false));

  QAction* toggle = dock->toggleViewAction();
  toggle->setObjectName(QStringLiteral("mnViewSpectrum"));
  toggle->setText(QObject::tr("Spectrum(&E)"));
  viewMenu.addSeparator();
  viewMenu.addAction(toggle);

  // Focus moving into the dock leaves the last active window current, so it stays followed.
  QObject::connect(&area, &QMdiArea::subWindowActivated, panel, [panel, &area](QMdiSubWindow*) {
    QMdiSubWindow* sub = area.currentSubWindow();
    panel->setWave(sub ? qobject_cast<TfrmWave*>(sub->widget()) : nullptr);
  });
}

}  // namespace averoz
