// Helpers shared by the fuzz targets: a cursor over the fuzzer's bytes and a property check that
// aborts (so libFuzzer records a crash) with a readable message.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace qnt::fuzz {

class TBytes {
 public:
  TBytes(const std::uint8_t* data, std::size_t size) : fData(data), fSize(size) {}
  bool Empty() const { return fPos >= fSize; }
  std::uint8_t Byte() { return fPos < fSize ? fData[fPos++] : 0; }
  template <class T>
  T Raw() {
    T value{};
    const std::size_t n = std::min(sizeof(T), fSize - std::min(fPos, fSize));
    std::memcpy(&value, fData + fPos, n);
    fPos += n;
    return value;
  }
  std::string_view Rest() {
    std::string_view r(reinterpret_cast<const char*>(fData) + std::min(fPos, fSize), fSize - std::min(fPos, fSize));
    fPos = fSize;
    return r;
  }

 private:
  const std::uint8_t* fData;
  std::size_t fSize;
  std::size_t fPos = 0;
};

[[noreturn]] inline void Violated(const char* property, const std::string& detail) {
  std::fprintf(stderr, "property violated: %s\n  %s\n", property, detail.c_str());
  std::abort();
}

#define QNT_FUZZ_CHECK(cond, detail) \
  do {                               \
    if (!(cond)) ::qnt::fuzz::Violated(#cond, (detail)); \
  } while (0)

}  // namespace qnt::fuzz
