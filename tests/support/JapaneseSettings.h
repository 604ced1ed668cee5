#pragma once
// The test program's settings file naming the built-in Japanese texts outright. Without a
// Language key the editor follows the machine's locale, and tests run under C or English
// locales, so a test that expects the Japanese texts says so in the file.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace averoz::test {

// Replaces the settings file with the Language key followed by `more`; false when it cannot
// be written.
inline bool WriteJapaneseSettings(const QString& path, const QByteArray& more = {}) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return f.write(QByteArray("[View]\nLanguage=Japanese\n") + more) >= 0;
}

}  // namespace averoz::test
