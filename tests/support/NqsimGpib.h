#pragma once
// Test-side handle on the simulated GPIB driver library: keeps it loaded, so the log of
// writes outlives the loads and unloads of the code under test, gives the instrument's
// memories a state folder of this process's own, and reaches its control functions. Needs the
// nqsim_gpib_user() compile definitions.
#include <dlfcn.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "nqsim_control.h"

namespace averoz::test {

// A fresh NQSIM_STATE_DIR for as long as it lives: tests running side by side, or one run
// after another, never see each other's memories.
class NqsimStateDir {
 public:
  NqsimStateDir() {
    if (const char* outer = ::getenv("NQSIM_STATE_DIR")) outer_ = outer;
    std::string pattern = (std::filesystem::temp_directory_path() / "nqsim-test-XXXXXX").string();
    if (::mkdtemp(pattern.data())) path_ = pattern;
    ::setenv("NQSIM_STATE_DIR", path_.c_str(), 1);
  }
  ~NqsimStateDir() {
    // A folder of an enclosing handle comes back.
    if (outer_.empty()) ::unsetenv("NQSIM_STATE_DIR");
    else ::setenv("NQSIM_STATE_DIR", outer_.c_str(), 1);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  NqsimStateDir(const NqsimStateDir&) = delete;
  NqsimStateDir& operator=(const NqsimStateDir&) = delete;

 private:
  std::string outer_;
  std::filesystem::path path_;
};

class NqsimGpib {
 public:
  explicit NqsimGpib(const char* path) : handle_(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {}
  ~NqsimGpib() {
    if (handle_) dlclose(handle_);
  }
  NqsimGpib(const NqsimGpib&) = delete;
  NqsimGpib& operator=(const NqsimGpib&) = delete;

  bool ok() const { return handle_ != nullptr; }
  void reset() const { fn<nqsim_reset_fn>("nqsim_reset")(); }
  // 0, or -1 for an unknown fault name.
  int fault(const char* name) const { return fn<nqsim_set_fault_fn>("nqsim_set_fault")(name); }
  // A one-shot fault on one call (nqsim_inject): 0, or -1 for an unknown kind.
  int inject(const char* kind, long n) const { return fn<nqsim_inject_fn>("nqsim_inject")(kind, n); }
  void identity(const char* line) const { fn<nqsim_set_identity_fn>("nqsim_set_identity")(line); }
  std::vector<long> writeSizes() const {
    std::vector<long> sizes(fn<nqsim_write_count_fn>("nqsim_write_count")());
    for (std::size_t i = 0; i < sizes.size(); ++i)
      sizes[i] = fn<nqsim_write_size_fn>("nqsim_write_size")(i);
    return sizes;
  }
  // Exactly what the memory holds: 32768 bytes for a waveform, a pattern's whole file image.
  std::vector<std::uint8_t> memory(int n) const {
    const long size = fn<nqsim_memory_size_fn>("nqsim_memory_size")(n);
    std::vector<std::uint8_t> m(static_cast<std::size_t>(size < 0 ? 0 : size));
    fn<nqsim_read_memory_fn>("nqsim_read_memory")(n, m.data(), m.size());
    return m;
  }
  void load(int n, const std::vector<std::uint8_t>& bytes) const {
    fn<nqsim_load_memory_fn>("nqsim_load_memory")(n, bytes.data(), bytes.size());
  }
  int timeoutCode() const { return fn<nqsim_int_fn>("nqsim_timeout_code")(); }
  bool online() const { return fn<nqsim_int_fn>("nqsim_online")() != 0; }

 private:
  template <class F>
  F fn(const char* name) const {
    return reinterpret_cast<F>(dlsym(handle_, name));
  }
  NqsimStateDir state_;  // before the library, which may read the folder as it loads
  void* handle_;
};

}  // namespace averoz::test
