// The data browser on a pattern document: its view's reports reach the browser, and the
// browser's calls change the document, which the view redraws.
#include <QAction>
#include <QPointer>
#include <algorithm>
#include <vector>

#include "core/app/DataBrowser.h"
#include "core/app/Prompter.h"
#include "ui/app/BrowserModel.h"
#include "ui/app/DocumentHost.h"
#include "ui/app/TfrmData.h"
#include "ui/app/TfrmDataDoc.h"
#include "ui/ppg/PpgView.h"
#include "ui/ppg/TfrmPpg.h"

namespace averoz {

namespace {

class BrowsedPattern : public BrowsedDocOf<PpgDoc> {
 public:
  BrowsedPattern(TfrmPpg& window, TfrmData& browser) : window_(&window) {
    PpgView* view = window.view();
    TfrmPpg* w = &window;
    links_ = {
        QObject::connect(view, &PpgView::dataChanged, &browser,
                         [&browser, w](int a, int b) { browser.ChangedRange(*w, a, b); }),
        QObject::connect(view, &PpgView::selectionChanged, &browser,
                         [&browser, w] { browser.MirrorSelection(*w); }),
        QObject::connect(view, &PpgView::cursorsChanged, &browser,
                         [&browser, w] { browser.MirrorCursors(*w); })};
  }
  ~BrowsedPattern() override {
    for (const QMetaObject::Connection& link : links_) QObject::disconnect(link);
  }

  DocumentWindow* window() const override { return window_.data(); }
  void Forget() override { window_ = nullptr; }
  BrowsedSelection selection() const override {
    return {doc().rangeSelected, doc().selBegin.x, doc().selEnd.x};
  }

  std::optional<std::int32_t> CheckSave(const std::string& value, int, int,
                                        const BrowserModel&) override {
    DocumentHost& host = *window_->host();
    const QAction* pair = host.action(QStringLiteral("mnMath2Pair"));
    const PatternSaveCheck check = CheckPatternSave(value, pair && pair->isChecked());
    if (check.error) {
      host.prompter().warn(*check.error);
      return std::nullopt;
    }
    // A typed word is written as it is: pair mode only asks whether to break the inversion.
    if (check.askPair &&
        host.prompter().ask({IMFMSG(17), {}, {}}, Buttons::OkCancel, Icon::Warning) !=
            Answer::Ok)
      return std::nullopt;
    return check.word;
  }

  // The table row is the whole data word: without a selection all display rows are taken;
  // a selection keeps its rows.
  void Select(int first, int last) override {
    PpgDoc& d = doc();
    const int top = d.rangeSelected ? d.selBegin.y : 0;
    const int bottom = d.rangeSelected ? d.selEnd.y : kPpgChannels - 1;
    if (first > d.dataLen - 1) d.ResetSelection();
    else d.SetSelection({first, top}, {std::min(last, d.dataLen - 1), bottom});
  }
  int MoveCursor(int address, int cursor) override {
    PpgDoc& d = doc();
    std::int32_t& x = cursor == 1 ? d.csrX1 : d.csrX2;
    x = cursor == 1 ? std::clamp(address, 0, d.csrX2 - 1)
                    : std::clamp(address, d.csrX1 + 1, d.dataLen - 1);
    // The line moves, and the window's read-outs and the marks follow the view's report.
    window_->view()->PlaceCursors();
    emit window_->view()->cursorsChanged();
    return x;
  }
  void Apply(int first, int last, std::int32_t word) override {
    PpgDoc& d = doc();
    d.SaveUndo();
    for (int ch = 0; ch < kPpgChannels; ++ch) {
      const std::span<std::uint8_t> bits = d.channel(ch);
      std::fill(bits.begin() + first, bits.begin() + last + 1, std::uint8_t((word >> ch) & 1));
    }
    d.CommitEdit(first, last);  // the view redraws, and the change must be saved
  }

 private:
  PpgDoc& doc() const override { return window_->doc(); }

  QPointer<TfrmPpg> window_;
  std::vector<QMetaObject::Connection> links_;
};

}  // namespace

std::unique_ptr<BrowsedDoc> BrowsePattern(TfrmPpg& window, TfrmData& browser) {
  return std::make_unique<BrowsedPattern>(window, browser);
}

}  // namespace averoz
