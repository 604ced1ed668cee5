// NumPy ".npy": the magic "\x93NUMPY", a version, a little-endian header length, a Python
// dict text with 'descr', 'fortran_order' and 'shape', then the raw elements. One-dimensional
// arrays (or a vector shaped (N, 1) / (1, N)) of float or integer elements are read.
#include <bit>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "core/signal/SignalRead.h"

namespace averoz {
namespace {

struct ElementType {
  char kind = 0;  // 'f' float, 'i' signed, 'u' unsigned
  std::size_t size = 0;
  bool bigEndian = false;
};

class NpyReader {
 public:
  NpyReader(std::span<const std::uint8_t> bytes, const std::string& name) : bytes_(bytes), name_(name) {}

  SignalTable Read() {
    const std::string_view header = Header();
    const ElementType type = Descr(header);
    const std::size_t count = Shape(header);
    if (count == 0) Fail("data", "empty signal (shape holds no elements)");
    const std::size_t have = (bytes_.size() - dataStart_) / type.size;
    if (have < count)
      Fail("data", "holds " + std::to_string(have) + " of the " + std::to_string(count) +
                       " elements the header announces");
    SignalTable table;
    table.columns.push_back({"Array", {}});
    std::vector<double>& values = table.columns[0].values;
    values.reserve(count);
    const std::uint8_t* p = bytes_.data() + dataStart_;
    for (std::size_t i = 0; i < count; ++i, p += type.size) {
      const double v = Element(p, type);
      if (!std::isfinite(v)) Fail("data", "element " + std::to_string(i) + " is not a finite number");
      values.push_back(v);
    }
    return table;
  }

 private:
  [[noreturn]] void Fail(const std::string& where, const std::string& what) const {
    throw SignalError(name_ + ": " + where + ": " + what);
  }

  std::string_view Header() {
    static constexpr std::uint8_t kMagic[] = {0x93, 'N', 'U', 'M', 'P', 'Y'};
    if (bytes_.size() < 10 || std::memcmp(bytes_.data(), kMagic, sizeof kMagic) != 0)
      Fail("header", "not a NumPy .npy file");
    const int major = bytes_[6];
    std::size_t length = 0, start = 0;
    if (major == 1) {
      length = bytes_[8] | std::size_t(bytes_[9]) << 8;
      start = 10;
    } else if (major == 2 || major == 3) {
      if (bytes_.size() < 12) Fail("header", "cut short");
      length = bytes_[8] | std::size_t(bytes_[9]) << 8 | std::size_t(bytes_[10]) << 16 |
               std::size_t(bytes_[11]) << 24;
      start = 12;
    } else {
      Fail("header", "version " + std::to_string(major) + " is not supported");
    }
    if (length > bytes_.size() - start) Fail("header", "cut short");
    dataStart_ = start + length;
    return {reinterpret_cast<const char*>(bytes_.data() + start), length};
  }

  // The text after "'key':" with blanks skipped; fails when the key is missing.
  std::string_view Value(std::string_view header, const std::string& key) const {
    const std::string quoted = "'" + key + "'";
    std::size_t at = header.find(quoted);
    if (at == std::string_view::npos) Fail("header", "no '" + key + "' entry");
    at = header.find(':', at + quoted.size());
    if (at == std::string_view::npos) Fail("header", "no value for '" + key + "'");
    ++at;
    while (at < header.size() && header[at] == ' ') ++at;
    return header.substr(at);
  }

  ElementType Descr(std::string_view header) const {
    std::string_view v = Value(header, "descr");
    const std::size_t close = v.size() > 1 ? v.find(v[0], 1) : std::string_view::npos;
    if ((v.empty() || (v[0] != '\'' && v[0] != '"')) || close == std::string_view::npos)
      Fail("header", "'descr' is not a simple type (structured arrays are not supported)");
    std::string_view d = v.substr(1, close - 1);
    ElementType t;
    if (!d.empty() && (d[0] == '<' || d[0] == '>' || d[0] == '|' || d[0] == '=')) {
      t.bigEndian = d[0] == '>' || (d[0] == '=' && std::endian::native == std::endian::big);
      d.remove_prefix(1);
    }
    if (d.size() >= 2) {
      t.kind = d[0];
      const std::string digits(d.substr(1));
      if (digits == "1" || digits == "2" || digits == "4" || digits == "8") t.size = std::stoul(digits);
    }
    const bool ok = ((t.kind == 'i' || t.kind == 'u') && t.size != 0) ||
                    (t.kind == 'f' && (t.size == 4 || t.size == 8));
    if (!ok)
      Fail("header", "element type '" + std::string(v.substr(1, close - 1)) +
                         "' is not supported (float32/64 or integers)");
    return t;
  }

  std::size_t Shape(std::string_view header) const {
    std::string_view v = Value(header, "shape");
    const std::size_t close = v.find(')');
    if (v.empty() || v[0] != '(' || close == std::string_view::npos) Fail("header", "'shape' is not a tuple");
    const std::string_view dims = v.substr(1, close - 1);
    std::vector<std::size_t> sizes;
    std::size_t i = 0;
    while (i < dims.size()) {
      while (i < dims.size() && (dims[i] == ' ' || dims[i] == ',')) ++i;
      if (i == dims.size()) break;
      std::size_t n = 0, digits = 0;
      for (; i < dims.size() && dims[i] >= '0' && dims[i] <= '9'; ++i, ++digits) {
        if (n > (std::size_t(1) << 40)) Fail("header", "'shape' is too large");
        n = n * 10 + std::size_t(dims[i] - '0');
      }
      if (digits == 0) Fail("header", "'shape' is not a tuple of sizes");
      sizes.push_back(n);
    }
    std::size_t count = 1, longDims = 0;
    for (std::size_t n : sizes) {
      count = n == 0 ? 0 : count * n;
      longDims += n > 1;
    }
    if (sizes.empty() || longDims > 1)
      Fail("header", "shape (" + std::string(dims) + ") is not one-dimensional");
    return count;
  }

  static double Element(const std::uint8_t* p, const ElementType& t) {
    std::uint64_t raw = 0;
    for (std::size_t b = 0; b < t.size; ++b) {
      const std::size_t shift = 8 * (t.bigEndian ? t.size - 1 - b : b);
      raw |= std::uint64_t(p[b]) << shift;
    }
    if (t.kind == 'f') {
      if (t.size == 4) return std::bit_cast<float>(std::uint32_t(raw));
      return std::bit_cast<double>(raw);
    }
    if (t.kind == 'u') return double(raw);
    const unsigned bits = unsigned(8 * t.size);
    const std::int64_t value =
        bits == 64 ? std::int64_t(raw) : std::int64_t(raw << (64 - bits)) >> (64 - bits);
    return double(value);
  }

  std::span<const std::uint8_t> bytes_;
  const std::string& name_;
  std::size_t dataStart_ = 0;
};

}  // namespace

SignalTable ParseSignalNpy(std::span<const std::uint8_t> bytes, const std::string& name) {
  return NpyReader(bytes, name).Read();
}

}  // namespace averoz
