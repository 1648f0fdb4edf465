// Conversion of single-byte text to UTF-16, the one conversion the plug-in asks for.
#include <cstring>

#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

// Each source byte becomes one UTF-16 unit. The destination is never written past its size:
// a text that does not fit is converted as far as it fits, and the call reports
// kBufferTooSmall so that the loss is not taken for success. destinationLength is in bytes.
host::ErrorCode ConvertBuffer(const void* source, size_t sourceBytes, int32_t sourceEncoding,
                              void* destination, size_t destinationBytes,
                              int32_t destinationEncoding, size_t* destinationLength,
                              bool /*allowSubstitution*/) {
  return RunOperation("CharacterEncoding.ConvertBuffer", [&](Emulator::State&) {
    if (sourceEncoding != host::kPlatformEncoding || destinationEncoding != host::kUtf16Encoding ||
        destinationLength == nullptr || (source == nullptr && sourceBytes > 0) ||
        (destination == nullptr && destinationBytes > 0)) {
      return kBadParameter;
    }
    const auto* bytes = static_cast<const unsigned char*>(source);
    auto* out = static_cast<unsigned char*>(destination);
    const size_t room = destinationBytes / sizeof(char16_t);
    const size_t converted = sourceBytes < room ? sourceBytes : room;
    for (size_t i = 0; i < converted; ++i) {
      const char16_t unit = bytes[i];  // the caller's buffer need not be aligned for char16_t
      std::memcpy(out + i * sizeof(char16_t), &unit, sizeof(char16_t));
    }
    *destinationLength = converted * sizeof(char16_t);
    return converted < sourceBytes ? kBufferTooSmall : host::kNoError;
  });
}

}  // namespace

const host::CharacterEncodingSuite kCharacterEncodingSuite = {ConvertBuffer};

}  // namespace emulator
