#include "ui/spectrum/SpectrumPlot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace averoz {

namespace {
constexpr double kLeft = 44, kRight = 10, kTop = 8, kBottom = 22;
constexpr double kGridDb = 20.0;
// On the logarithmic axis DC sits half a bin left of bin 1.
constexpr double kLogOrigin = 0.5;
}  // namespace

QString FrequencyText(int bin, int length, double sampleRate) {
  if (sampleRate <= 0.0 || length <= 0) return QString::number(bin);
  const double hz = bin * sampleRate / length;
  if (hz >= 1e6) return QString::number(hz / 1e6, 'g', 4) + QStringLiteral(" MHz");
  if (hz >= 1e3) return QString::number(hz / 1e3, 'g', 4) + QStringLiteral(" kHz");
  return QString::number(hz, 'g', 4) + QStringLiteral(" Hz");
}

SpectrumPlot::SpectrumPlot(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pbSpectrum"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void SpectrumPlot::setSpectrum(const Spectrum* spectrum, double sampleRate) {
  spectrum_ = spectrum;
  sampleRate_ = sampleRate;
  update();
}

void SpectrumPlot::setLogAxis(bool on) {
  logAxis_ = on;
  update();
}

int SpectrumPlot::lastBin() const {
  return spectrum_ ? std::max(1, int(spectrum_->levelDb.size()) - 1) : 1;
}

double SpectrumPlot::fractionOf(double bin) const {
  if (!logAxis_) return bin / lastBin();
  return std::log(std::max(bin, kLogOrigin) / kLogOrigin) / std::log(lastBin() / kLogOrigin);
}

double SpectrumPlot::binAt(double fraction) const {
  if (!logAxis_) return fraction * lastBin();
  return kLogOrigin * std::pow(lastBin() / kLogOrigin, fraction);
}

QRectF SpectrumPlot::plotArea() const {
  return QRectF(kLeft, kTop, std::max(1.0, width() - kLeft - kRight),
                std::max(1.0, height() - kTop - kBottom));
}

QPointF SpectrumPlot::pointOf(int bin, double levelDb) const {
  const QRectF area = plotArea();
  const double level = std::clamp(levelDb, kBottomDb, kTopDb);
  return {area.left() + area.width() * fractionOf(bin),
          area.top() + area.height() * (kTopDb - level) / (kTopDb - kBottomDb)};
}

void SpectrumPlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  const QRectF area = plotArea();
  drawAxes(painter, area);
  if (!spectrum_ || spectrum_->levelDb.empty()) {
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(area, Qt::AlignCenter, tr("No drawn waveform"));
    return;
  }
  painter.setClipRect(area.adjusted(0, -1, 1, 1));
  drawTrace(painter, area);
  painter.setClipping(false);
  drawMarkers(painter);
}

void SpectrumPlot::drawAxes(QPainter& painter, const QRectF& area) const {
  const QColor grid = palette().color(QPalette::Mid);
  const QColor text = palette().color(QPalette::Text);
  for (double db = 0.0; db >= kBottomDb; db -= kGridDb) {
    const double y = area.top() + area.height() * (kTopDb - db) / (kTopDb - kBottomDb);
    painter.setPen(QPen(grid, 0, db == 0.0 ? Qt::SolidLine : Qt::DotLine));
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.setPen(text);
    painter.drawText(QRectF(0, y - 8, kLeft - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(int(db)));
  }
  painter.setPen(grid);
  painter.drawRect(area);
  painter.setPen(text);
  const QRectF below(area.left(), area.bottom() + 2, area.width(), kBottom - 2);
  painter.drawText(QRectF(2, area.bottom() + 2, kLeft, kBottom - 2), Qt::AlignLeft, tr("dB"));
  if (!spectrum_ || spectrum_->levelDb.empty()) return;
  painter.drawText(below, Qt::AlignLeft, QStringLiteral("0"));
  painter.drawText(area.adjusted(0, 2, -4, 0), Qt::AlignRight | Qt::AlignTop,
                   sampleRate_ > 0.0 ? tr("frequency") : tr("cycles per memory"));
  painter.drawText(below, Qt::AlignRight, FrequencyText(lastBin(), spectrum_->length, sampleRate_));
  if (!logAxis_) return;
  // Decades of bins, labelled where they do not crowd the ends.
  for (int bin = 1; bin < lastBin(); bin *= 10) {
    const double x = pointOf(bin, 0).x();
    painter.setPen(QPen(grid, 0, Qt::DotLine));
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    painter.setPen(text);
    if (x - area.left() > 30 && area.right() - x > 60)
      painter.drawText(QRectF(x - 40, area.bottom() + 2, 80, kBottom - 2), Qt::AlignHCenter,
                       FrequencyText(bin, spectrum_->length, sampleRate_));
  }
}

// One vertical span per pixel column (its bins' lowest to highest level), so thousands of
// bins draw as fast as a few hundred and no peak falls between columns.
void SpectrumPlot::drawTrace(QPainter& painter, const QRectF& area) const {
  const std::vector<double>& level = spectrum_->levelDb;
  const int columns = std::max(1, int(area.width()));
  QPainterPath path;
  std::size_t bin = 0;
  for (int c = 0; c < columns && bin < level.size(); ++c) {
    const auto next = std::size_t(std::max(0.0, std::floor(binAt(double(c + 1) / columns) + 0.5)));
    const std::size_t end = std::min(level.size(), std::max(bin + 1, next));
    const auto [lo, hi] = std::minmax_element(level.begin() + long(bin), level.begin() + long(end));
    const double x = pointOf(int(bin), 0).x();
    const double yHi = pointOf(0, *hi).y();
    if (c == 0) path.moveTo(x, yHi); else path.lineTo(x, yHi);
    path.lineTo(x, pointOf(0, *lo).y());
    bin = end;
  }
  painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
  painter.drawPath(path);
}

void SpectrumPlot::drawMarkers(QPainter& painter) const {
  painter.setRenderHint(QPainter::Antialiasing);
  for (const SpectrumPeak& peak : spectrum_->peaks) {
    const QPointF at = pointOf(peak.bin, peak.levelDb);
    painter.setPen(QPen(peak.harmonic == 1 ? Qt::red : QColor(0xd0, 0x80, 0x00), 1.5));
    painter.drawEllipse(at, 3.5, 3.5);
    painter.drawText(at + QPointF(4, -4), QString::number(peak.harmonic));
  }
}

}  // namespace averoz
