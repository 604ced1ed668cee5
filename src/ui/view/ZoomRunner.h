#pragma once
// `tmZoomAnime`: the 50 ms timer that runs a view's zoom animation (the waveform view's
// ViewZoom or the pattern view's PpgZoom, both over the core ZoomAnimation). Each tick
// shows the animation's rectangle; after the last one the view hides it and applies the
// zoom.
#include <QTimer>
#include <functional>
#include <utility>

#include "core/view/ZoomAnimation.h"

namespace averoz {

template <class Zoom>
class ZoomRunner {
 public:
  static constexpr int kTickMs = 50;

  // show: the rectangle of a tick; done: the animation is over (hide it, apply the zoom).
  ZoomRunner(Zoom& zoom, QObject* owner, std::function<void(const ZoomRect&)> show,
             std::function<void()> done)
      : zoom_(zoom), show_(std::move(show)), done_(std::move(done)), timer_(new QTimer(owner)) {
    timer_->setObjectName(QStringLiteral("tmZoomAnime"));
    timer_->setInterval(kTickMs);
    QObject::connect(timer_, &QTimer::timeout, owner, [this] { Tick(); });
  }
  ZoomRunner(const ZoomRunner&) = delete;
  ZoomRunner& operator=(const ZoomRunner&) = delete;

  // After a request the zoom accepted.
  void Start() { timer_->start(); }
  // Runs the rest of a running animation at once (tests and benchmarks do not wait for
  // timers).
  void RunToEnd() {
    while (zoom_.state() == ZoomAnimation::State::Animating) Tick();
  }

 private:
  void Tick() {
    const ZoomRect r = zoom_.Tick();
    if (!zoom_.finished()) {
      show_(r);
      return;
    }
    timer_->stop();
    done_();
  }

  Zoom& zoom_;
  std::function<void(const ZoomRect&)> show_;
  std::function<void()> done_;
  QTimer* timer_;
};

}  // namespace averoz
