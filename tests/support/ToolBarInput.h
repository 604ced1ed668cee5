#pragma once
// Typing into a field of the main window's tool bars the way a user does: the text, then
// Enter.
#include <QLineEdit>
#include <QtTest>

namespace averoz::test {

inline void TypeInto(QWidget& mainForm, const char* name, const QString& text) {
  auto* edit = mainForm.findChild<QLineEdit*>(name);
  QVERIFY2(edit && edit->isEnabled(), name);
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

}  // namespace averoz::test
