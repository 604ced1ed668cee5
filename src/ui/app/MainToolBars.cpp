// The six docking tool bars and their View ▸ Tool Bar items.
#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"

namespace averoz {

QToolButton* TMainForm::AddToolButton(QToolBar* bar, const QString& name, QAction* action) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setDefaultAction(action);
  bar->addWidget(button);
  return button;
}

void TMainForm::CreateToolBars() {
  struct Spec {
    const char* name;
    const char* caption;
    Qt::ToolBarArea area;
    const char* menuItem;
    const char* menuCaption;
  };
  static const Spec kBars[] = {
      {"tbfl", "Edit", Qt::TopToolBarArea, "mnViewToolbarEdit", "Edit"},
      {"tbpl", "パレット", Qt::LeftToolBarArea, "mnViewToolbarPalette", "Pallete"},
      {"tbzm", "ズーム", Qt::TopToolBarArea, "mnViewToolbarZoom", "Zoom"},
      {"tbxy", "カーソル", Qt::BottomToolBarArea, "mnViewToolbarCsr", "Cursor"},
      {"tbms", "セレクト", Qt::TopToolBarArea, "mnViewToolbarSel", "Select"},
      {"tbNor", "Rescale", Qt::BottomToolBarArea, "mnViewToolbarNor", "Rescale"},
  };
  QMenu* viewBars = menus_.value("mnViewToolbar");
  for (const Spec& spec : kBars) {
    auto* bar = new QToolBar(QString::fromUtf8(spec.caption), this);
    bar->setObjectName(QLatin1String(spec.name));
    addToolBar(spec.area, bar);
    if (QLatin1String(spec.name) == QLatin1String("tbxy"))
      bar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    // The settings key is read as "mnViewToolBar…" and written under the menu item's own
    // name "mnViewToolbar…"; keys compare without case, so both are one key.
    QString key = QLatin1String(spec.menuItem);
    key.replace(QLatin1String("Toolbar"), QLatin1String("ToolBar"));
    bar->setProperty("settingsKey", key);
    bar->setProperty("viewChecked", true);
    toolBars_.insert(QLatin1String(spec.name), bar);

    QAction* check = AddAction(QLatin1String(spec.menuItem), QLatin1String(spec.menuCaption));
    check->setCheckable(true);
    check->setChecked(true);
    viewBars->addAction(check);
    connect(check, &QAction::triggered, this, [bar, check, name = QString(spec.menuItem)](bool on) {
      bar->setProperty("viewChecked", on);
      bar->setVisible(on);
      check->setChecked(on);
      WriteSetting([&](IniFile& ini) { ini.WriteBool("ToolBar", name.toStdString(), on); });
    });
  }

  QToolBar* edit = toolBars_.value("tbfl");
  QToolButton* newButton = AddToolButton(edit, "bnfilenew", action("FileNew1"));
  newButton->setPopupMode(QToolButton::MenuButtonPopup);
  newButton->setMenu(findChild<QMenu*>("PopupMenu1"));
  AddToolButton(edit, "bnfileopen", action("FileOpen1"));
  AddToolButton(edit, "bnfilesave", action("FileSave1"));
  edit->addSeparator();
  AddToolButton(edit, "bnundo", action("EditUndo1"));
  AddToolButton(edit, "bncut", action("EditCut1"));
  AddToolButton(edit, "bncopy", action("EditCopy1"));
  AddToolButton(edit, "bnpaste", action("EditPaste1"));
}

}  // namespace averoz
