// File > Import Signal: a scope's CSV through the real dialog into a new document; a file
// the readers refuse and a cancelled dialog make none.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "support/MainWindowFixture.h"
#include "support/PickOneChooser.h"
#include "ui/signal/TfrmImportSignal.h"
#include "ui/wave/TfrmWave.h"

using namespace averoz;

namespace {

// Types into a field as the user does: select what is there, type, Enter.
void Retype(QWidget* field, const QString& text) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace

class TestImportSignal : public QObject, public test::MainWindowFixture {
  Q_OBJECT

 private:
  test::PickOne chooser;

  // Runs File > Import Signal on path; drive gets the dialog while it is up and must close it.
  void importFromMenu(const std::string& path, const std::function<void(TfrmImportSignal&)>& drive) {
    chooser.path = path;
    bool driven = false;
    QTimer::singleShot(0, form.get(), [&] {
      if (auto* dialog = qobject_cast<TfrmImportSignal*>(QApplication::activeModalWidget())) {
        driven = true;
        drive(*dialog);
        if (dialog->isVisible()) dialog->reject();
      }
    });
    form->action("mnFileImportSignal")->trigger();
    QCoreApplication::processEvents();
    if (drive) QVERIFY(driven || !prompter.texts.empty());
  }

 private slots:
  void init() { Start(chooser); }
  void cleanup() { Stop(); }

  void scopeCsvBecomesAnOperationDocument() {
    const std::string csv = dir->file("scope.csv");
    test::WriteText(csv, "Model,SCOPE-X\r\nTime (s),CH1 (V),CH2 (V)\r\n"
                         "0,5,0\r\n1e-6,5,0.5\r\n2e-6,5,1\r\n3e-6,5,1.5\r\n4e-6,5,2\r\n");
    QStringList columns;
    std::vector<std::int32_t> defaultCodes, previewCodes;
    importFromMenu(csv, [&](TfrmImportSignal& dialog) {
      auto* column = dialog.findChild<QComboBox*>("cbColumn");
      for (int i = 0; i < column->count(); ++i) columns << column->itemText(i);
      defaultCodes = dialog.codes();
      QTest::keyClick(column, Qt::Key_Down);  // CH2
      Retype(dialog.findChild<QSpinBox*>("edLength"), "5");
      Retype(dialog.findChild<QLineEdit*>("edLow"), "-1");
      Retype(dialog.findChild<QLineEdit*>("edHigh"), "1");
      QTest::mouseClick(dialog.findChild<QRadioButton*>("rbOperation"), Qt::LeftButton);
      previewCodes = dialog.codes();
      QTest::mouseClick(dialog.findChild<QPushButton*>("bnOK"), Qt::LeftButton);
    });
    QCOMPARE(columns, (QStringList{"CH1 (V)", "CH2 (V)"}));
    // First shown: CH1, a constant, stretched to 16384 samples at mid-scale.
    QCOMPARE(defaultCodes, std::vector<std::int32_t>(16384, 2048));
    // -1..1 V to 0..4095: 1.5 V and 2 V are clipped.
    const std::vector<std::int32_t> expected{2048, 3071, 4095, 4095, 4095};
    QCOMPARE(previewCodes, expected);

    auto* window = qobject_cast<TfrmWave*>(form->activeDocument());
    QVERIFY(window);
    QCOMPARE(window->docKind(), 1);
    QCOMPARE(window->caption(), QString("scope"));
    QVERIFY(!window->isSaved());
    const WaveDoc& wave = window->doc();
    QCOMPARE(std::vector<std::int32_t>(wave.waveData.begin(), wave.waveData.begin() + 5), expected);
    QCOMPARE(wave.lastDrawn(), 4);
    QCOMPARE(wave.blockNo[0], kBlockFree);
  }

  void refusedFileOrCancelMakesNoDocument() {
    const int before = form->documentCount();
    const std::string words = dir->file("words.csv");
    test::WriteText(words, "name,value\nfoo,bar\n");
    importFromMenu(words, nullptr);
    QCOMPARE(prompter.texts.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(prompter.texts[0]),
             QString::fromStdString(words) + ": line 2: no numeric column (\"foo\" is not a number)");
    QCOMPARE(form->documentCount(), before);

    const std::string numbers = dir->file("numbers.csv");
    test::WriteText(numbers, "1\n2\n3\n");
    importFromMenu(numbers, [](TfrmImportSignal& dialog) {
      QTest::mouseClick(dialog.findChild<QPushButton*>("bnCancel"), Qt::LeftButton);
    });
    QCOMPARE(form->documentCount(), before);
  }
};

QTEST_MAIN(TestImportSignal)
#include "tst_importsignal.moc"
