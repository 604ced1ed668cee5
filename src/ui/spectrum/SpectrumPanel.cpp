#include "ui/spectrum/SpectrumPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/app/AppContext.h"
#include "ui/spectrum/SpectrumPlot.h"
#include "ui/wave/TfrmWave.h"

namespace averoz {

namespace {
// Keys of our own in the settings file.
const char* const kSection = "Spectrum";
const char* const kWindowKey = "Window";
const char* const kRateKey = "SampleRate";
const char* const kLogKey = "LogAxis";

// "48000", "4.8e4", "48000.5"; blank is no rate. False for anything else or a rate <= 0.
bool ParseRate(const QString& text, double& rate) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) {
    rate = 0.0;
    return true;
  }
  bool ok = false;
  const double value = QLocale::c().toDouble(trimmed, &ok);
  if (!ok || !(value > 0.0) || !std::isfinite(value)) return false;
  rate = value;
  return true;
}
}  // namespace

SpectrumPanel::SpectrumPanel(QWidget* parent)
    : QWidget(parent),
      cbWindow_(new QComboBox(this)),
      edSampleRate_(new QLineEdit(this)),
      cbLogAxis_(new QCheckBox(tr("Log frequency"), this)),
      plot_(new SpectrumPlot(this)),
      lblPeaks_(new QLabel(this)) {
  setObjectName(QStringLiteral("SpectrumPanel"));
  cbWindow_->setObjectName(QStringLiteral("cbSpectrumWindow"));
  cbWindow_->addItems({tr("None"), tr("Hann"), tr("Blackman-Harris")});
  edSampleRate_->setObjectName(QStringLiteral("edSampleRate"));
  edSampleRate_->setPlaceholderText(tr("cycles per memory"));
  edSampleRate_->setToolTip(tr("Playback sample rate in Hz; blank counts cycles per memory"));
  edSampleRate_->setMaximumWidth(edSampleRate_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 22);
  cbLogAxis_->setObjectName(QStringLiteral("cbSpectrumLog"));
  lblPeaks_->setObjectName(QStringLiteral("lblSpectrumPeaks"));
  lblPeaks_->setTextFormat(Qt::RichText);
  lblPeaks_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  lblPeaks_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblPeaks_->setMinimumWidth(lblPeaks_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 30);

  const IniFile& ini = AppContext::instance().settings();
  cbWindow_->setCurrentIndex(std::clamp(ini.ReadInteger(kSection, kWindowKey, 1), 0, 2));
  const QString storedRate = QString::fromStdString(ini.ReadString(kSection, kRateKey, ""));
  if (ParseRate(storedRate, sampleRate_)) edSampleRate_->setText(storedRate.trimmed());
  cbLogAxis_->setChecked(ini.ReadBool(kSection, kLogKey, true));
  plot_->setLogAxis(cbLogAxis_->isChecked());

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(tr("Window"), this));
  controls->addWidget(cbWindow_);
  controls->addSpacing(12);
  controls->addWidget(new QLabel(tr("Sample rate (Hz)"), this));
  controls->addWidget(edSampleRate_);
  controls->addSpacing(12);
  controls->addWidget(cbLogAxis_);
  controls->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(plot_, 1);
  body->addWidget(lblPeaks_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(controls);
  layout->addLayout(body, 1);

  connect(cbWindow_, &QComboBox::currentIndexChanged, this, [this](int index) {
    WriteSetting([index](IniFile& ini) { ini.WriteInteger(kSection, kWindowKey, index); });
    scheduleUpdate();
  });
  connect(edSampleRate_, &QLineEdit::editingFinished, this, &SpectrumPanel::rateEntered);
  connect(cbLogAxis_, &QCheckBox::toggled, this, [this](bool on) {
    WriteSetting([on](IniFile& ini) { ini.WriteBool(kSection, kLogKey, on); });
    plot_->setLogAxis(on);
  });
  updateNow();
}

void SpectrumPanel::setWave(TfrmWave* wave) {
  if (wave == wave_) return;
  disconnect(waveConnection_);
  wave_ = wave;
  if (wave) waveConnection_ = connect(wave, &TfrmWave::samplesChanged, this, &SpectrumPanel::scheduleUpdate);
  scheduleUpdate();
}

void SpectrumPanel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  scheduleUpdate();
}

// Edits come in bursts (a freehand stroke, a preview): one analysis per turn of the event loop.
void SpectrumPanel::scheduleUpdate() {
  if (updatePending_) return;
  updatePending_ = true;
  QTimer::singleShot(0, this, &SpectrumPanel::updateNow);
}

void SpectrumPanel::updateNow() {
  updatePending_ = false;
  if (!isVisible() && wave_) return;  // the next show catches up
  spectrum_ = {};
  if (wave_) {
    const WaveDoc& doc = wave_->doc();
    spectrum_ = analyzer_.Analyze(doc.waveData.data(), doc.lastDrawn() + 1,
                                  SpectrumWindow(cbWindow_->currentIndex()));
  }
  plot_->setSpectrum(&spectrum_, sampleRate_);
  showPeaks();
}

void SpectrumPanel::rateEntered() {
  double rate = 0.0;
  if (!ParseRate(edSampleRate_->text(), rate)) {
    // Not a rate: the last good one comes back.
    edSampleRate_->setText(sampleRate_ > 0.0 ? QLocale::c().toString(sampleRate_, 'g', 12)
                                             : QString());
    return;
  }
  sampleRate_ = rate;
  const std::string text = edSampleRate_->text().trimmed().toStdString();
  WriteSetting([&text](IniFile& ini) { ini.WriteString(kSection, kRateKey, text); });
  plot_->setSpectrum(&spectrum_, sampleRate_);
  showPeaks();
}

void SpectrumPanel::showPeaks() {
  if (!spectrum_.hasFundamental()) {
    lblPeaks_->setText(!wave_                  ? tr("No waveform")
                       : spectrum_.length == 0 ? tr("No drawn waveform")
                                               : tr("No fundamental"));
    return;
  }
  QString rows;
  for (const SpectrumPeak& peak : spectrum_.peaks)
    rows += QStringLiteral("<tr><td>%1</td><td align=right>%2</td><td align=right>%3 dB</td></tr>")
                .arg(peak.harmonic == 1 ? tr("Fundamental") : tr("H%1").arg(peak.harmonic),
                     FrequencyText(peak.bin, spectrum_.length, sampleRate_),
                     QString::number(peak.levelDb, 'f', 1));
  rows += QStringLiteral("<tr><td>THD</td><td align=right>%1 %</td><td align=right>%2 dB</td></tr>")
              .arg(QString::number(spectrum_.thdPercent, 'f', 2),
                   QString::number(spectrum_.thdDb, 'f', 1));
  lblPeaks_->setText(QStringLiteral("<table cellspacing=4>") + rows + QStringLiteral("</table>"));
}

}  // namespace averoz
