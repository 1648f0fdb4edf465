// A fuzzer's input read as fields, one per line, so that the seeds are readable text and every
// mutation still reaches the code under test. A field holds any byte but the newline, NUL
// included; the fields past the end of the input read as empty.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace fuzz {

class InputFields {
 public:
  InputFields(const uint8_t* data, size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  bool empty() const { return rest_.empty(); }

  std::string_view Text() {
    const size_t end = rest_.find('\n');
    const std::string_view field = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    return field;
  }

  // The decimal integer the field starts with, else the fallback.
  int32_t Int(int32_t fallback) {
    const std::string_view field = Text();
    int32_t value = fallback;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() ? value : fallback;
  }

  // The number the field starts with ("nan", "inf" and exponents included), else the fallback.
  double Real(double fallback) {
    const std::string_view field = Text();
    double value = fallback;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() ? value : fallback;
  }

 private:
  std::string_view rest_;
};

}  // namespace fuzz
