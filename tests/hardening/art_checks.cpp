#include "tests/hardening/art_checks.h"

#include <sstream>

#include "host/utf.h"

namespace hardening {

namespace {

using emulator::Art;
using emulator::ArtKind;

std::string PathFault(const emulator::Path& path) {
  if (path.segments.empty())
    return "a path without segments";
  if (!path.closed)
    return "an open path";
  if (!path.style.fillPaint || path.style.strokePaint)
    return "a path that is not filled and unstroked";
  return {};
}

std::string ArtFault(const Art& art, EmptyGroups emptyGroups) {
  switch (art.kind) {
    case ArtKind::kPath:
      return PathFault(art.path);
    case ArtKind::kCompoundPath:
      return art.children.empty() ? "an empty compound path" : "";
    case ArtKind::kTextFrame:
      if (art.text.text.empty())
        return "a text frame without text";
      if (art.text.requestedFont.empty())
        return "a text frame without its font";
      return {};
    case ArtKind::kGroup:
      if (art.parent != nullptr && art.children.empty() && emptyGroups == EmptyGroups::kRefused)
        return "an empty group";
      return {};
  }
  return "art of an unknown kind";
}

void WriteArt(std::ostream& out, const Art& art, int depth) {
  out << std::string(depth, ' ') << static_cast<int>(art.kind);
  if (art.kind == ArtKind::kPath) {
    const emulator::Path& path = art.path;
    out << (path.closed ? " closed" : " open") << " fill " << path.style.fillPaint << " "
        << path.style.fill.colour.kind << " " << path.style.fill.colour.components[0] << " stroke "
        << path.style.strokePaint;
    for (const host::PathSegment& s : path.segments) {
      out << " (" << s.p.h << "," << s.p.v << " " << s.in.h << "," << s.in.v << " " << s.out.h
          << "," << s.out.v << (s.corner ? " c)" : " s)");
    }
  }
  if (art.kind == ArtKind::kTextFrame) {
    out << " " << art.text.anchor.h << "," << art.text.anchor.v << " "
        << host::Utf16ToUtf8(art.text.text) << " " << art.text.requestedFont << " "
        << art.text.size;
  }
  out << "\n";
  for (const auto& child : art.children)
    WriteArt(out, *child, depth + 1);
}

}  // namespace

std::string FindBrokenArt(const emulator::Document& document, EmptyGroups emptyGroups) {
  std::string fault;
  document.Visit([&](const Art& art) {
    if (fault.empty())
      fault = ArtFault(art, emptyGroups);
  });
  return fault;
}

std::string Snapshot(const emulator::Document& document) {
  std::ostringstream out;
  out.precision(9);
  WriteArt(out, document.group(), 0);
  return out.str();
}

}  // namespace hardening
