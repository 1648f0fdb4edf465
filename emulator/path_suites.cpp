// Path segments, the closed flag and path styles.
#include <algorithm>

#include "emulator/suite_call.h"
#include "emulator/suite_tables.h"

namespace emulator {

namespace {

constexpr size_t kFirstSegments = 16;

bool IsPath(ArtKind kind) {
  return kind == ArtKind::kPath;
}

// Paths and compound paths carry a style; a compound path's style is its own.
bool HasStyle(ArtKind kind) {
  return kind == ArtKind::kPath || kind == ArtKind::kCompoundPath;
}

// Runs the body on the art behind the handle when the operation applies to its kind.
template <typename Body>
host::ErrorCode OnArt(OperationName operation, host::ArtHandle handle, bool (*applies)(ArtKind),
                      Body&& body) {
  return RunOperation(operation, [&](Emulator::State& state) {
    Art* art = FindArt(state, handle);
    if (art == nullptr)
      return kBadHandle;
    if (!applies(art->kind))
      return kWrongArtKind;
    return body(*art);
  });
}

host::ErrorCode SetPathSegmentCount(host::ArtHandle handle, int16_t count) {
  return OnArt("Path.SetPathSegmentCount", handle, IsPath, [&](Art& art) {
    if (count < 0)
      return kBadParameter;
    art.path.segments.resize(static_cast<size_t>(count));
    return host::kNoError;
  });
}

// Segments may be set past the end of the path, which then grows to hold them, but not with a
// gap before them.
host::ErrorCode SetPathSegments(host::ArtHandle handle, int16_t first, int16_t count,
                                const host::PathSegment* segments) {
  return OnArt("Path.SetPathSegments", handle, IsPath, [&](Art& art) {
    auto& path = art.path.segments;
    if (first < 0 || count < 0 || (segments == nullptr && count > 0) ||
        static_cast<size_t>(first) > path.size()) {
      return kBadParameter;
    }
    const size_t end = static_cast<size_t>(first) + static_cast<size_t>(count);
    // Glyphs are set a segment at a time: room for several at once spares a reallocation each.
    if (end > path.capacity())
      path.reserve(std::max<size_t>({end, 2 * path.capacity(), kFirstSegments}));
    if (end > path.size())
      path.resize(end);
    std::copy(segments, segments + count, path.begin() + first);
    return host::kNoError;
  });
}

host::ErrorCode SetPathClosed(host::ArtHandle handle, bool closed) {
  return OnArt("Path.SetPathClosed", handle, IsPath, [&](Art& art) {
    art.path.closed = closed;
    return host::kNoError;
  });
}

host::ErrorCode GetPathStyle(host::ArtHandle handle, host::PathStyle* style) {
  return OnArt("PathStyle.GetPathStyle", handle, HasStyle, [&](Art& art) {
    if (style == nullptr)
      return kBadParameter;
    *style = art.path.style;
    return host::kNoError;
  });
}

host::ErrorCode SetPathStyle(host::ArtHandle handle, const host::PathStyle* style) {
  return OnArt("PathStyle.SetPathStyle", handle, HasStyle, [&](Art& art) {
    if (style == nullptr)
      return kBadParameter;
    art.path.style = *style;
    return host::kNoError;
  });
}

// The document's current style, with every field known.
host::ErrorCode GetCurrentPathStyle(host::PathStyle* style, host::PathStyleMap* map) {
  return RunOperation("PathStyle.GetCurrentPathStyle", [&](Emulator::State& state) {
    if (style == nullptr)
      return kBadParameter;
    if (!state.document)
      return kNoDocument;
    *style = state.document->currentPathStyle();
    if (map != nullptr)
      *map = host::PathStyleMap{};
    return host::kNoError;
  });
}

}  // namespace

const host::PathSuite kPathSuite = {SetPathSegmentCount, SetPathSegments, SetPathClosed};
const host::PathStyleSuite kPathStyleSuite = {GetPathStyle, SetPathStyle, GetCurrentPathStyle};

}  // namespace emulator
