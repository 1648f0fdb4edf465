#include "emulator/text_objects.h"

#include "emulator/errors.h"

namespace emulator {

namespace {

template <typename Handle, typename Record>
host::ErrorCode RetainIn(HandleTable<Handle, Record>& table, Handle handle) {
  Record* record = table.Find(handle);
  if (record == nullptr)
    return kBadHandle;
  ++record->references;
  return host::kNoError;
}

// Drops one reference; returns whether that was the last one (the record is then gone).
template <typename Handle, typename Record>
host::ErrorCode ReleaseIn(HandleTable<Handle, Record>& table, Handle handle, bool& destroyed) {
  destroyed = false;
  Record* record = table.Find(handle);
  if (record == nullptr)
    return kBadHandle;
  if (--record->references == 0)
    destroyed = table.Remove(handle);
  return host::kNoError;
}

}  // namespace

host::ErrorCode TextObjects::Retain(host::TextEngineFontHandle font) {
  return RetainIn(engineFonts, font);
}

host::ErrorCode TextObjects::Release(host::TextEngineFontHandle font) {
  bool destroyed;
  return ReleaseIn(engineFonts, font, destroyed);
}

host::ErrorCode TextObjects::Retain(host::CharFeaturesHandle handle) {
  return RetainIn(features, handle);
}

host::ErrorCode TextObjects::Release(host::CharFeaturesHandle handle) {
  const CharFeaturesRecord* record = features.Find(handle);
  const host::TextEngineFontHandle font = record != nullptr ? record->font : nullptr;
  bool destroyed;
  const host::ErrorCode error = ReleaseIn(features, handle, destroyed);
  if (destroyed && font != nullptr)
    Release(font);
  return error;
}

host::ErrorCode TextObjects::Retain(host::TextRangeHandle range) {
  return RetainIn(ranges, range);
}

host::ErrorCode TextObjects::Release(host::TextRangeHandle range) {
  bool destroyed;
  return ReleaseIn(ranges, range, destroyed);
}

host::ErrorCode TextObjects::SetFont(host::CharFeaturesHandle handle,
                                     host::TextEngineFontHandle font) {
  CharFeaturesRecord* record = features.Find(handle);
  if (record == nullptr || engineFonts.Find(font) == nullptr)
    return kBadHandle;
  Retain(font);
  if (record->font != nullptr)
    Release(record->font);
  record->font = font;
  return host::kNoError;
}

}  // namespace emulator
