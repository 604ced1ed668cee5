// The six docking tool bars, their named controls and their View ▸ Tool Bar items.
#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"

namespace averoz {
namespace {

// A captioned read-out: panel `panel` holding a caption, the edit `edit` and, when named,
// a small up/down bar `upDown`.
QWidget* AddField(QToolBar* bar, const char* panel, const QString& caption, const char* edit,
                  const char* upDown = nullptr, int width = 64) {
  auto* box = new QWidget(bar);
  box->setObjectName(QLatin1String(panel));
  box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(4, 0, 4, 0);
  row->setSpacing(3);
  if (!caption.isEmpty()) {
    auto* label = new QLabel(caption, box);
    label->setObjectName(QLatin1String(panel) + QStringLiteral("Caption"));
    row->addWidget(label);
  }
  auto* field = new QLineEdit(box);
  field->setObjectName(QLatin1String(edit));
  field->setFixedWidth(width);
  field->setAlignment(Qt::AlignRight);
  row->addWidget(field);
  if (upDown) {
    auto* ud = new QScrollBar(Qt::Vertical, box);
    ud->setObjectName(QLatin1String(upDown));
    ud->setFixedSize(14, field->sizeHint().height());
    ud->setInvertedControls(true);
    row->addWidget(ud);
  }
  bar->addWidget(box);
  return box;
}

}  // namespace

QToolButton* TMainForm::AddToolButton(QToolBar* bar, const QString& name, QAction* action) {
  auto* button = new QToolButton(bar);
  button->setObjectName(name);
  button->setDefaultAction(action);
  button->setAutoRaise(true);
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
  // In the order of the View ▸ Tool Bar items; within each dock the bars keep their order.
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
    bar->setIconSize(QSize(22, 22));
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
    connect(check, &QAction::triggered, this, [this, bar, check, name = QString(spec.menuItem)](bool on) {
      bar->setProperty("viewChecked", on);
      check->setChecked(on);
      // The document tool bars stay hidden while no document is open.
      SetToolBarVisible(bar, on && (bar->objectName() == "tbfl" || !documents().isEmpty()));
      WriteSetting([&](IniFile& ini) { ini.WriteBool("ToolBar", name.toStdString(), on); });
    });
    // Closed with its own control (the tool-bar context menu, a floating bar's close box):
    // only the menu check follows; nothing is written.
    connect(bar, &QToolBar::visibilityChanged, this, [this, bar, check] {
      if (showingToolBars_) return;
      const bool shown = !bar->isHidden();  // its own state, not the main window's
      if (shown == bar->property("viewChecked").toBool()) return;
      bar->setProperty("viewChecked", shown);
      check->setChecked(shown);
    });
  }
  if (QToolBar* zoom = toolBars_.value("tbzm")) insertToolBarBreak(zoom);

  // Edit tool bar.
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

  // Palette: tools, then the analog generators, then the pattern generators and views.
  QToolBar* palette = toolBars_.value("tbpl");
  palette->setIconSize(QSize(20, 20));
  for (const auto& [button, act] : std::initializer_list<std::pair<const char*, const char*>>{
           {"bnseled", "PalleteSelect1"}, {"bnselcsr", "PalleteCursor1"},
           {"bnfree", "PalleteFree1"}, {"bnline", "PalleteLine1"}})
    AddToolButton(palette, button, action(act));
  palette->addSeparator();
  for (const auto& [button, act] : std::initializer_list<std::pair<const char*, const char*>>{
           {"bnsin", "PalleteSin1"}, {"bnsqr", "PalleteSqr1"}, {"bntri", "PalleteTri1"},
           {"bnramp", "PalleteLamp1"}, {"bncharge", "PalleteCharge1"},
           {"bndischarge", "PalleteDisCharge1"}, {"bnsup", "PalleteSup1"},
           {"bnsdown", "PalleteSDown1"}, {"bndc", "PalleteDC1"}, {"bnnoise", "PalleteNoise1"}})
    AddToolButton(palette, button, action(act));
  palette->addSeparator();
  for (const auto& [button, act] : std::initializer_list<std::pair<const char*, const char*>>{
           {"bnppgbitpen", "PalletePpgbitpen1"}, {"bnppgbitpenh", "PalletePpgbitpenh1"},
           {"bnppgbitpenl", "PalletePpgbitpenl1"}, {"bnppghi", "PalletePpgHi1"},
           {"bnppglo", "PalletePpgLo1"}, {"bnppgclk", "PalletePpgClk1"},
           {"bnppgctr", "PalletePpgCtr1"}, {"bnppgval", "PalletePpgval1"},
           {"bndisppair", "PalletePpgDispPair1"}, {"bndispord", "PalletePpgDispOrd1"},
           {"bnautoinv", "PalletePpgautoinv1"}})
    AddToolButton(palette, button, action(act));

  // Zoom.
  QToolBar* zoom = toolBars_.value("tbzm");
  AddToolButton(zoom, "bnzmax", action("ZoomMax1"));
  AddToolButton(zoom, "bnzall", action("ZoomAll1"));
  AddToolButton(zoom, "bnzfit", action("ZoomFit1"));
  AddField(zoom, "pnzx", QStringLiteral("X  1/"), "edzx", "udzx", 40);
  AddField(zoom, "pnzy", QStringLiteral("Y  1/"), "edzy", "udzy", 40);
  findChild<QScrollBar*>("udzx")->setRange(0, 6);
  findChild<QScrollBar*>("udzy")->setRange(0, 5);
  for (const char* name : {"edzx", "edzy"}) findChild<QLineEdit*>(name)->setReadOnly(true);

  // Select.
  QToolBar* select = toolBars_.value("tbms");
  AddToolButton(select, "bnselres", action("SelReset1"));
  AddField(select, "pnss", QStringLiteral("S"), "edss");
  AddField(select, "pnse", QStringLiteral("E"), "edse");
  AddField(select, "pnsdx", QStringLiteral("dX"), "edsdx");
  QWidget* rows = AddField(select, "pnsY", QStringLiteral("CH"), "edssY", nullptr, 28);
  auto* seY = new QLineEdit(rows);
  seY->setObjectName("edseY");
  seY->setFixedWidth(28);
  rows->layout()->addWidget(seY);
  select->addSeparator();
  AddField(select, "pncx", QStringLiteral("X"), "edcx");
  AddField(select, "pncy", QStringLiteral("Y"), "edcy");
  for (const char* name : {"pncx", "pncy"}) findChild<QWidget*>(name)->setEnabled(false);
  QWidget* setVal = AddField(select, "pnsetVal", QStringLiteral("Val"), "edsetbin", nullptr, 56);
  for (const char* name : {"edsetdec", "edsethex"}) {
    auto* e = new QLineEdit(setVal);
    e->setObjectName(QLatin1String(name));
    e->setFixedWidth(32);
    setVal->layout()->addWidget(e);
  }

  // Cursor.
  QToolBar* cursor = toolBars_.value("tbxy");
  AddToolButton(cursor, "bncx", action("CursorX"));
  AddToolButton(cursor, "bncy", action("CursorY"));
  AddField(cursor, "pnX1", QStringLiteral("X1"), "edX1", "udX1");
  AddField(cursor, "pnX2", QStringLiteral("X2"), "edX2", "udX2");
  AddField(cursor, "pndx", QStringLiteral("dX"), "eddx");
  AddField(cursor, "pnY1", QStringLiteral("Y1"), "edY1", "udY1");
  AddField(cursor, "pnY2", QStringLiteral("Y2"), "edY2", "udY2");
  AddField(cursor, "pndy", QStringLiteral("dY"), "eddy");
  cursor->addSeparator();
  AddField(cursor, "tbX1Val", QStringLiteral("X1"), "edX1Val");
  AddField(cursor, "tbX2Val", QStringLiteral("X2"), "edX2Val");
  for (const char* which : {"X1", "X2"}) {
    const QString n = QLatin1String(which);
    // The pattern read-outs of one cursor: binary, decimal, hexadecimal.
    QWidget* panel = AddField(cursor, ("pn" + n + "ValP").toLatin1().constData(), n,
                              ("ed" + n + (n == "X1" ? "ValPbin" : "Valpbin")).toLatin1().constData(),
                              nullptr, 52);
    for (const char* base : {"dec", "hex"}) {
      auto* e = new QLineEdit(panel);
      e->setObjectName("ed" + n + (n == "X1" ? "ValP" : "Valp") + QLatin1String(base));
      e->setFixedWidth(30);
      e->setReadOnly(true);
      panel->layout()->addWidget(e);
    }
  }
  for (const char* name : {"edX1Val", "edX2Val"})
    findChild<QLineEdit*>(name)->setReadOnly(true);

  // Rescale.
  QToolBar* rescale = toolBars_.value("tbNor");
  AddToolButton(rescale, "bnNx", action("RescaleX1"));
  AddField(rescale, "pnnorX", QString(), "edNorX", nullptr, 72);
  auto* norY = new QWidget(rescale);
  norY->setObjectName("pnnorY");
  norY->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  auto* norRow = new QHBoxLayout(norY);
  norRow->setContentsMargins(0, 0, 0, 0);
  auto* bnBY = new QToolButton(norY);
  bnBY->setObjectName("bnBY");
  bnBY->setDefaultAction(action("RescaleY1"));
  bnBY->setAutoRaise(true);
  norRow->addWidget(bnBY);
  for (const char* name : {"edNorY1", "-", "edNorY2"}) {
    if (name[0] == '-') {
      norRow->addWidget(new QLabel(QStringLiteral("-"), norY));
      continue;
    }
    auto* e = new QLineEdit(norY);
    e->setObjectName(QLatin1String(name));
    e->setFixedWidth(72);
    e->setAlignment(Qt::AlignRight);
    norRow->addWidget(e);
  }
  rescale->addWidget(norY);
}

}  // namespace averoz
