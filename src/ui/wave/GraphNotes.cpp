#include "ui/wave/GraphNotes.h"

#include <QLabel>
#include <QStatusBar>
#include <iterator>

#include "ui/app/DocumentHost.h"

namespace averoz {

namespace {

// The shape a protected block was generated with; empty for a kind outside the list.
QString KindName(const WaveDoc& doc, int block) {
  const std::uint8_t kind = doc.blockParams[std::size_t(block)].kind;
  return kind < std::size(kWaveKindNames) ? QLatin1String(kWaveKindNames[kind]) : QString();
}

// The note of that name in the status bar, made on first use.
QLabel* Note(DocumentHost& host, const char* name) {
  auto* bar = host.control<QStatusBar>(QStringLiteral("StatusBar"));
  if (!bar) return nullptr;
  if (auto* note = bar->findChild<QLabel*>(QLatin1String(name))) return note;
  auto* note = new QLabel(bar);
  note->setObjectName(QLatin1String(name));
  note->setMinimumWidth(1);  // a long note is cut off rather than widening the main window
  bar->addPermanentWidget(note);
  return note;
}

void Show(DocumentHost& host, const char* name, const QString& text) {
  if (QLabel* note = Note(host, name)) note->setText(text);
}

}  // namespace

QString DescribeSample(const WaveDoc& doc, int i) {
  if (i < 0 || i >= doc.dataLen || doc.waveData[std::size_t(i)] < 0)
    return QStringLiteral("undrawn");
  const int block = doc.blockNo[std::size_t(i)];
  if (block < 1) return QStringLiteral("unprotected");
  const QString kind = KindName(doc, block);
  return (kind.isEmpty() ? QString() : kind + QStringLiteral(", ")) +
         QStringLiteral("block %1, protected").arg(block);
}

QString RefusalText(const WaveDoc& doc, const QString& tool, const StrokeRefusal& refusal) {
  if (refusal.why == StrokeRefusal::Why::Gap)
    return QStringLiteral("%1: nothing drawn, it would leave a gap after the last drawn sample")
        .arg(tool);
  const int block = doc.blockNo[std::size_t(refusal.index)];
  const QString kind = KindName(doc, block);
  return QStringLiteral("%1: block %2%3 is protected (right-click: Edit Block…, or Edit ▸ "
                        "Unprotect All)")
      .arg(tool, QString::number(block), kind.isEmpty() ? QString() : " (" + kind + ")");
}

QString OutsideText(const QString& tool) {
  return QStringLiteral("%1: outside the waveform, no room to draw").arg(tool);
}

void ShowBlockNote(DocumentHost& host, const QString& text) { Show(host, "lblBlockNote", text); }

void ShowStrokeNote(DocumentHost& host, const QString& text) { Show(host, "lblStrokeNote", text); }

}  // namespace averoz
