#include "cli/output_capture.h"

#include <iostream>
#include <streambuf>

namespace cli {

namespace {

thread_local CapturedOutput* tCapture = nullptr;

}  // namespace

// Has no buffer of its own, so every write arrives here and goes to the writing thread's capture
// or, without one, straight to the stream's original buffer.
class OutputRouting::RoutedBuffer : public std::streambuf {
 public:
  RoutedBuffer(std::ostream& stream, std::string CapturedOutput::*text)
      : stream_(stream), original_(stream.rdbuf()), text_(text) {
    stream_.rdbuf(this);
  }
  ~RoutedBuffer() override { stream_.rdbuf(original_); }

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof()))
      return traits_type::not_eof(c);
    if (tCapture != nullptr) {
      (tCapture->*text_).push_back(traits_type::to_char_type(c));
      return c;
    }
    return original_->sputc(traits_type::to_char_type(c));
  }

  std::streamsize xsputn(const char* text, std::streamsize count) override {
    if (tCapture != nullptr) {
      (tCapture->*text_).append(text, static_cast<size_t>(count));
      return count;
    }
    return original_->sputn(text, count);
  }

  int sync() override { return tCapture != nullptr ? 0 : original_->pubsync(); }

 private:
  std::ostream& stream_;
  std::streambuf* original_;
  std::string CapturedOutput::*text_;
};

OutputRouting::OutputRouting()
    : out_(std::make_unique<RoutedBuffer>(std::cout, &CapturedOutput::out)),
      err_(std::make_unique<RoutedBuffer>(std::cerr, &CapturedOutput::err)) {}

OutputRouting::~OutputRouting() = default;

ScopedCapture::ScopedCapture(CapturedOutput& output) : previous_(tCapture) {
  tCapture = &output;
}

ScopedCapture::~ScopedCapture() {
  tCapture = previous_;
}

}  // namespace cli
