#pragma once
// The frame's tool-bar controls (read-outs, entries, tool actions) drive one document window
// at a time: the active one connects them when it is activated and every other binding is
// dropped then, whatever the kind of the window that held them.
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

namespace averoz {

class ToolBarBinding {
 public:
  static ToolBarBinding& instance() {
    static ToolBarBinding b;
    return b;
  }
  bool BoundTo(const QObject* window) const { return window_ == window; }
  // Drops the current connections; window owns the next ones.
  void Bind(QObject* window) {
    Clear();
    window_ = window;
  }
  void Release(const QObject* window) {
    if (window_ == window) Clear();
  }
  void Add(const QMetaObject::Connection& c) { connections_ << c; }

 private:
  void Clear() {
    for (const auto& c : connections_) QObject::disconnect(c);
    connections_.clear();
    window_ = nullptr;
  }
  QPointer<QObject> window_;
  QList<QMetaObject::Connection> connections_;
};

}  // namespace averoz
