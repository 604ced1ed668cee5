// FitLabel: font size and left position of a caption by its width in pixels.
#include <QLabel>
#include <QWidget>
#include <QtTest>

#include "ui/app/FitLabel.h"

using averoz::FitLabel;

namespace {

// The width of a label showing text at the given point size, sized to its text.
int WidthAt(const QString& text, int points) {
  QLabel probe(text);
  QFont f = probe.font();
  f.setPointSize(points);
  probe.setFont(f);
  probe.adjustSize();
  return probe.width();
}

// A text whose label is lo..hi pixels wide at 9 points: wide characters first, then narrow
// ones to land inside the window. Empty when this font cannot hit it.
QString TextOfWidth(int lo, int hi) {
  QString text;
  while (WidthAt(text + "W", 9) < lo) text += "W";
  for (const QString& step : {QStringLiteral("a"), QStringLiteral("i"), QStringLiteral("'")}) {
    while (WidthAt(text, 9) < lo && WidthAt(text + step, 9) <= hi) text += step;
  }
  const int w = WidthAt(text, 9);
  return (w >= lo && w <= hi) ? text : QString();
}

int LeftFor(int width) { return width < 140 ? 20 : width <= 147 ? 12 : 4; }

}  // namespace

class TestFitLabel : public QObject {
  Q_OBJECT

 private:
  QWidget dialog_;

  QLabel* makeLabel(const QString& text) {
    auto* label = new QLabel(text, &dialog_);
    QFont f = label->font();
    f.setPointSize(14);  // whatever the form set, FitLabel starts from 9 points
    label->setFont(f);
    label->move(77, 33);
    return label;
  }

 private slots:
  void shortCaptionStaysAtNinePointsAtTwenty() {
    QLabel* label = makeLabel("Offset");
    FitLabel(label);
    QCOMPARE(label->font().pointSize(), 9);
    QVERIFY(label->width() < 140);
    QCOMPARE(label->x(), 20);
    QCOMPARE(label->y(), 33);  // only the left position moves
  }

  void placementBands_data() {
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("left");
    QTest::newRow("below 140") << 120 << 139 << 20;
    QTest::newRow("140..147") << 140 << 147 << 12;
    QTest::newRow("148..155") << 148 << 155 << 4;
  }
  void placementBands() {
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, left);
    const QString text = TextOfWidth(lo, hi);
    if (text.isEmpty()) QSKIP("this font has no text of that width");
    QLabel* label = makeLabel(text);
    FitLabel(label);
    QCOMPARE(label->font().pointSize(), 9);
    QVERIFY(label->width() >= lo && label->width() <= hi);
    QCOMPARE(label->x(), left);
  }

  // A caption about 160 pixels wide at 9 points shrinks until it is at most 155 wide, and is
  // then placed by the width reached.
  void wideCaptionShrinks() {
    QString text = TextOfWidth(158, 165);
    if (text.isEmpty()) text = TextOfWidth(156, 175);
    QVERIFY(!text.isEmpty());
    QLabel* label = makeLabel(text);
    FitLabel(label);
    const int points = label->font().pointSize();
    QVERIFY(points < 9);
    QVERIFY(label->width() <= 155);
    QCOMPARE(label->width(), WidthAt(text, points));
    QVERIFY(WidthAt(text, points + 1) >= 156);  // one point larger did not fit
    QCOMPARE(label->x(), LeftFor(label->width()));
  }

  void offsetRangeCaption() {
    QLabel* label = makeLabel(QString::fromUtf8("オフセット(-10.000 〜 10.000 V)"));
    FitLabel(label);
    QVERIFY(label->font().pointSize() <= 9);
    QVERIFY(label->width() <= 155 || label->font().pointSize() == 1);
    QCOMPARE(label->x(), LeftFor(label->width()));
  }

  void endlessCaptionEndsAtOnePoint() {
    QLabel* label = makeLabel(QString(400, QChar('W')));
    FitLabel(label);
    QCOMPARE(label->font().pointSize(), 1);
    QCOMPARE(label->x(), 4);
  }

  void fittingTwiceGivesTheSameResult() {
    const QString text = TextOfWidth(170, 200);
    QVERIFY(!text.isEmpty());
    QLabel* label = makeLabel(text);
    FitLabel(label);
    const int points = label->font().pointSize();
    const QRect geometry = label->geometry();
    FitLabel(label);
    QCOMPARE(label->font().pointSize(), points);
    QCOMPARE(label->geometry(), geometry);
  }
};

QTEST_MAIN(TestFitLabel)
#include "tst_fitlabel.moc"
