#include "emulator/win32/plugin_resources.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/utf.h"

namespace emulator {

namespace {

struct Enumeration {
  Emulator* emulator;
  uint32_t typeCode;
};

std::string Narrow(std::wstring_view wide) {
  return host::Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

// The four ASCII characters of a resource type name as a four-character code.
bool TypeCode(LPCWSTR type, uint32_t& code) {
  if (IS_INTRESOURCE(type))
    return false;
  const std::wstring_view name(type);
  if (name.size() != 4)
    return false;
  code = 0;
  for (const wchar_t c : name) {
    if (c < 0x20 || c > 0x7E)
      return false;
    code = (code << 8) | static_cast<uint32_t>(c);
  }
  return true;
}

std::vector<uint8_t> Bytes(HMODULE module, LPCWSTR type, LPCWSTR name) {
  HRSRC resource = FindResourceW(module, name, type);
  HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
  const auto* data =
      static_cast<const uint8_t*>(loaded != nullptr ? LockResource(loaded) : nullptr);
  if (data == nullptr)
    return {};
  return std::vector<uint8_t>(data, data + SizeofResource(module, resource));
}

BOOL CALLBACK AddNamedResource(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR context) {
  if (IS_INTRESOURCE(name))
    return TRUE;
  const auto& enumeration = *reinterpret_cast<const Enumeration*>(context);
  enumeration.emulator->AddResource(enumeration.typeCode, Narrow(name), Bytes(module, type, name));
  return TRUE;
}

BOOL CALLBACK AddResourcesOfType(HMODULE module, LPWSTR type, LONG_PTR context) {
  Enumeration enumeration{reinterpret_cast<Emulator*>(context), 0};
  if (TypeCode(type, enumeration.typeCode)) {
    EnumResourceNamesW(module, type, &AddNamedResource, reinterpret_cast<LONG_PTR>(&enumeration));
  }
  return TRUE;
}

}  // namespace

void AddPluginResources(HMODULE module, Emulator& emulator) {
  EnumResourceTypesW(module, &AddResourcesOfType, reinterpret_cast<LONG_PTR>(&emulator));
}

}  // namespace emulator
