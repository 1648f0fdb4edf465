// New art, the layer's first art, art bounds and disposing of art.
#include <optional>

#include "emulator/art_bounds.h"
#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

// The kinds NewArt makes; text frames come from the text frame suite.
std::optional<ArtKind> NewArtKind(int16_t type) {
  switch (type) {
    case host::kGroupArt:
      return ArtKind::kGroup;
    case host::kPathArt:
      return ArtKind::kPath;
    case host::kCompoundPathArt:
      return ArtKind::kCompoundPath;
    default:
      return std::nullopt;
  }
}

host::ErrorCode NewArt(int16_t type, int16_t paintOrder, host::ArtHandle prep,
                       host::ArtHandle* newArt) {
  return RunOperation("Art.NewArt", [&](Emulator::State& state) {
    const auto kind = NewArtKind(type);
    if (newArt == nullptr || !kind || paintOrder != host::kPlaceInsideOnTop)
      return kBadParameter;
    if (!state.document)
      return kNoDocument;
    Art* container = state.document->Find(prep);
    if (container == nullptr)
      return kBadHandle;
    Art* art = state.document->NewArtInsideOnTop(*kind, *container);
    if (art == nullptr)
      return kWrongArtKind;
    *newArt = HandleOf(art);
    return host::kNoError;
  });
}

host::ErrorCode GetFirstArtOfLayer(host::LayerHandle layer, host::ArtHandle* art) {
  return RunOperation("Art.GetFirstArtOfLayer", [&](Emulator::State& state) {
    if (art == nullptr)
      return kBadParameter;
    if (!state.document)
      return kNoDocument;
    if (!state.document->Owns(layer))
      return kBadHandle;
    *art = HandleOf(state.document->currentLayer().firstArt);
    return host::kNoError;
  });
}

// Art without anything measurable reports an empty rectangle at the origin.
host::ErrorCode GetArtBounds(host::ArtHandle handle, host::RealRect* bounds) {
  return RunOperation("Art.GetArtBounds", [&](Emulator::State& state) {
    if (bounds == nullptr)
      return kBadParameter;
    const Art* art = FindArt(state, handle);
    if (art == nullptr)
      return kBadHandle;
    *bounds = ArtBounds(*art).value_or(host::RealRect{});
    return host::kNoError;
  });
}

// The layer's first art cannot be disposed of.
host::ErrorCode DisposeArt(host::ArtHandle handle) {
  return RunOperation("Art.DisposeArt", [&](Emulator::State& state) {
    Art* art = FindArt(state, handle);
    if (art == nullptr)
      return kBadHandle;
    return state.document->Dispose(*art) ? host::kNoError : kBadParameter;
  });
}

}  // namespace

const host::ArtSuite kArtSuite = {NewArt, GetFirstArtOfLayer, GetArtBounds, DisposeArt};

}  // namespace emulator
