#include "core/app/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace averoz {
namespace {

constexpr const char* kBlanks = " \t";

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(kBlanks);
  return s.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// One line of the file, split as the reader sees it.
struct Line {
  std::string raw;  // without its line end
  enum Kind { kOther, kSection, kKey } kind = kOther;
  std::string name;  // section name or key name, trimmed
  std::string value; // trimmed value of a key line
};

Line ParseLine(std::string raw) {
  Line line;
  if (!raw.empty() && raw.back() == '\r') raw.pop_back();
  line.raw = raw;
  // A UTF-8 byte-order mark in front of the first line belongs to no name.
  if (raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
  const std::string t = Trim(raw);
  if (t.empty() || t[0] == ';' || t[0] == '#') return line;
  if (t[0] == '[') {
    const auto close = t.find(']');
    if (close != std::string::npos) {
      line.kind = Line::kSection;
      line.name = Trim(t.substr(1, close - 1));
    }
    return line;
  }
  const auto eq = t.find('=');
  if (eq == std::string::npos) return line;
  line.kind = Line::kKey;
  line.name = Trim(t.substr(0, eq));
  line.value = Trim(t.substr(eq + 1));
  return line;
}

struct Document {
  std::vector<Line> lines;
  std::string eol = "\n";
  bool endsWithEol = true;
};

Document Parse(const std::string& text) {
  Document doc;
  if (text.find("\r\n") != std::string::npos) doc.eol = "\r\n";
  doc.endsWithEol = text.empty() || text.back() == '\n';
  std::size_t pos = 0;
  while (pos < text.size()) {
    auto nl = text.find('\n', pos);
    if (nl == std::string::npos) nl = text.size();
    doc.lines.push_back(ParseLine(text.substr(pos, nl - pos)));
    pos = nl + 1;
  }
  return doc;
}

// A missing or unreadable file is a file without keys.
Document Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::stringstream buf;
  buf << in.rdbuf();
  return Parse(buf.str());
}

// Index of the key line, or -1. The first section of that name that holds the key wins,
// as later duplicates of a section are only read when the earlier ones lack the key.
long FindKey(const Document& doc, const std::string& section, const std::string& key) {
  bool inSection = false;
  for (std::size_t i = 0; i < doc.lines.size(); ++i) {
    const Line& l = doc.lines[i];
    if (l.kind == Line::kSection) inSection = SameName(l.name, section);
    else if (inSection && l.kind == Line::kKey && SameName(l.name, key)) return long(i);
  }
  return -1;
}

std::string CutValue(std::string v) {
  if (v.size() <= IniFile::kMaxValueLength) return v;
  std::size_t n = IniFile::kMaxValueLength;
  // Do not leave half a UTF-8 character at the end.
  while (n > 0 && (static_cast<unsigned char>(v[n]) & 0xC0) == 0x80) --n;
  v.resize(n);
  return v;
}

std::string SystemError(int err) { return std::strerror(err); }

// Rejects files that carry no write permission at all, as a read-only attribute would;
// checked on the mode because root passes every access() test.
void CheckWritable(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return;  // a new file
  if (S_ISDIR(st.st_mode)) throw IniWriteError(path, "is a folder");
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
    throw IniWriteError(path, "the file is read-only");
}

// Writes the whole text next to the target and renames it over the target, so the old file
// stays whole until the new one is complete.
void ReplaceFile(const std::string& path, const std::string& text) {
  std::string target = path;
  if (char* real = ::realpath(path.c_str(), nullptr)) {  // write through a symbolic link
    target = real;
    std::free(real);
  }
  CheckWritable(target);
  std::string tmp = target + ".tmpXXXXXX";
  const int fd = ::mkstemp(tmp.data());
  if (fd < 0) throw IniWriteError(path, SystemError(errno));
  struct stat st {};
  mode_t mode = 0644;
  if (::stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;
  bool ok = ::fchmod(fd, mode) == 0;
  std::size_t done = 0;
  while (ok && done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += std::size_t(n);
  }
  const int err = errno;
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok || ::rename(tmp.c_str(), target.c_str()) != 0) {
    const int e = ok ? errno : err;
    ::unlink(tmp.c_str());
    throw IniWriteError(path, SystemError(e ? e : EIO));
  }
}

}  // namespace

IniWriteError::IniWriteError(const std::string& path, const std::string& reason)
    : std::runtime_error("Cannot write the settings file " + path + ": " + reason), path_(path) {}

bool ParseIniInteger(const std::string& text, std::int32_t& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return false;
  std::uint64_t v = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;
    v = v * std::uint64_t(base) + std::uint64_t(d);
    if (v > 0xFFFFFFFFull) return false;
  }
  if (base == 10) {
    if (v > (negative ? 2147483648ull : 2147483647ull)) return false;
    value = negative ? std::int32_t(-std::int64_t(v)) : std::int32_t(v);
  } else {
    // Hexadecimal text is the 32-bit pattern: "$FFFFFFFF" is -1.
    const auto bits = std::int32_t(std::uint32_t(v));
    value = negative ? std::int32_t(0u - std::uint32_t(bits)) : bits;
  }
  return true;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
  const Document doc = Load(path_);
  const long i = FindKey(doc, section, key);
  return i < 0 ? def : CutValue(doc.lines[std::size_t(i)].value);
}

bool IniFile::HasKey(const std::string& section, const std::string& key) const {
  return FindKey(Load(path_), section, key) >= 0;
}

std::optional<std::string> IniTextValue(const std::string& text, const std::string& section,
                                        const std::string& key) {
  const Document doc = Parse(text);
  const long i = FindKey(doc, section, key);
  if (i < 0) return std::nullopt;
  return CutValue(doc.lines[std::size_t(i)].value);
}

std::int32_t IniFile::ReadInteger(const std::string& section, const std::string& key,
                                  std::int32_t def) const {
  std::int32_t v = def;
  const std::string text = ReadString(section, key, {});
  return ParseIniInteger(text, v) ? v : def;
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
  // A line end inside a value would smuggle in lines of its own.
  std::string clean = value;
  for (char& c : clean)
    if (c == '\r' || c == '\n') c = ' ';
  Document doc = Load(path_);
  Line entry = ParseLine(key + "=" + clean);
  const long found = FindKey(doc, section, key);
  if (found >= 0) {
    doc.lines[std::size_t(found)] = entry;
  } else {
    // After the last key of the first section of that name, else a new section at the end.
    long insertAt = -1;
    bool inSection = false;
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
      const Line& l = doc.lines[i];
      if (l.kind == Line::kSection) {
        if (insertAt >= 0) break;
        inSection = SameName(l.name, section);
        if (inSection) insertAt = long(i) + 1;
      } else if (inSection && l.kind != Line::kOther) {
        insertAt = long(i) + 1;
      } else if (inSection && !Trim(l.raw).empty()) {
        insertAt = long(i) + 1;  // keep comments inside the section above the new key
      }
    }
    if (insertAt >= 0) {
      doc.lines.insert(doc.lines.begin() + insertAt, entry);
    } else {
      if (!doc.lines.empty() && !Trim(doc.lines.back().raw).empty()) doc.lines.push_back(Line{});
      doc.lines.push_back(ParseLine("[" + section + "]"));
      doc.lines.push_back(entry);
    }
  }
  std::string text;
  for (std::size_t i = 0; i < doc.lines.size(); ++i) {
    text += doc.lines[i].raw;
    if (i + 1 < doc.lines.size() || doc.endsWithEol || found < 0) text += doc.eol;
  }
  ReplaceFile(path_, text);
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace averoz
