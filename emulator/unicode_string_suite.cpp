// Host Unicode strings: UTF-16 texts owned by the host until disposed of.
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

host::ErrorCode NewFromUtf16(const char16_t* text, int32_t length,
                             host::UnicodeStringHandle* string) {
  return RunOperation("UnicodeString.NewFromUtf16", [&](Emulator::State& state) {
    if (string == nullptr || length < -1 || (text == nullptr && length != 0)) {
      return kBadParameter;
    }
    auto units = std::make_unique<std::u16string>();
    if (length == -1) {
      units->assign(text);
    } else if (length > 0) {
      units->assign(text, static_cast<size_t>(length));
    }
    *string = state.strings.Add(std::move(units));
    return host::kNoError;
  });
}

host::ErrorCode Dispose(host::UnicodeStringHandle string) {
  return RunOperation("UnicodeString.Dispose", [&](Emulator::State& state) {
    return state.strings.Remove(string) ? host::kNoError : kBadHandle;
  });
}

host::ErrorCode GetUtf16(host::UnicodeStringHandle string, const char16_t** text, int32_t* length) {
  return RunOperation("UnicodeString.GetUtf16", [&](Emulator::State& state) {
    if (text == nullptr || length == nullptr)
      return kBadParameter;
    const std::u16string* units = state.strings.Find(string);
    if (units == nullptr)
      return kBadHandle;
    *text = units->data();
    *length = static_cast<int32_t>(units->size());
    return host::kNoError;
  });
}

}  // namespace

const host::UnicodeStringSuite kUnicodeStringSuite = {NewFromUtf16, Dispose, GetUtf16};

}  // namespace emulator
