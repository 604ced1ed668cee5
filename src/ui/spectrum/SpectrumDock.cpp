#include "ui/spectrum/SpectrumDock.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "ui/spectrum/SpectrumPanel.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {

void InstallSpectrumDock(QMainWindow& frame, QMdiArea& area, QMenu& viewMenu) {
  auto* dock = new QDockWidget(QObject::tr("Spectrum"), &frame);
  dock->setObjectName(QStringLiteral("dkSpectrum"));
  auto* panel = new SpectrumPanel(dock);
  dock->setWidget(panel);
  frame.addDockWidget(Qt::BottomDockWidgetArea, dock);
  dock->hide();

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
