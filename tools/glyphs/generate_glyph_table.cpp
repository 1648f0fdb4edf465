// Generates art/glyph_table.cpp, the outline records of every glyph in art/glyph_directory.h,
// from the OCR-B font of Debian's fonts-ocr-b.
//
// Usage: generate_glyph_table FONT OUTPUT [--preview SVG]
//   FONT           /usr/share/fonts/opentype/ocr-b/OCRB.otf
//   OUTPUT         the C++ file to write: art/glyph_table.cpp, which is committed, so that the
//                  build itself needs neither the font nor FreeType
//   --preview SVG  also draws every glyph from its records, with the font's outline over it
//
// Build it with `cmake --build BUILD --target generate_glyph_table` (it needs FreeType).
//
// The font's outlines are scaled so that the digits stand 7000 units high from y = 0 and span
// 4680 units, with the origin at the centre of the character cell. Each glyph then gets exactly
// the number of records its directory entry gives it: curves that together are nearly one cubic
// are merged, flattest first, or the longest curves are halved. The horizontal bar and '1' are
// drawn from fixed records, and '0' begins with fixed records too. '$' must be one contour, so
// its two counters are opened across the vertical stroke, which then shows only above and below
// the S. The largest distance between a fitted curve and the font's outline is printed for each
// glyph, in table units (1/1000 of a text unit).
#include <cstdio>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include "art/glyph_directory.h"
#include "tools/glyphs/contour_edit.h"
#include "tools/glyphs/glyph_placement.h"
#include "tools/glyphs/glyph_records.h"
#include "tools/glyphs/glyph_table_writer.h"
#include "tools/glyphs/pinned_anchors.h"
#include "tools/glyphs/preview_svg.h"

namespace glyphs {
namespace {

// Glyphs whose records are given outright.
const std::map<uint16_t, GlyphRecords> kGivenGlyphs = {
    {16000,
     {{-2180, 2938, 0, 0, 0, 0},
      {0, 1094, 0, 0, 0, 0},
      {4359, 0, 0, 0, 0, 0},
      {0, -1094, 0, 0, 0, 0}}},
    {16004,
     {{336, 0, 0, 0, 0, 0},
      {0, 5792, 0, 0, 0, 0},
      {-1668, -1461, 0, 0, 0, 0},
      {0, 1219, 0, 0, 0, 0},
      {1621, 1343, 0, 0, 0, 0},
      {1043, 0, 0, 0, 0, 0},
      {0, -6893, 0, 0, 0, 0}}},
};

// Anchors that the first contour of a glyph begins with, in table units.
const std::map<uint16_t, std::vector<PinnedAnchor>> kPinnedAnchors = {
    {16003, {{{1, 0}, {-455, 0}, {451, 0}}, {{1091, 118}, {-277, -78}, {275, 79}}}},
};

// Straight edges, in font units, where a counter is opened into the outside (see JoinContours):
// the start of the outer contour's edge and the start of the counter's edge.
struct CounterOpening {
  Point outerEdgeStart;
  Point counterEdgeStart;
};

const std::map<uint16_t, std::vector<CounterOpening>> kCounterOpenings = {
    {16047, {{{413, 426}, {313, 613}}, {{313, 353}, {413, 145}}}},
};

size_t ContourWithEdge(const std::vector<Contour>& contours, Point start) {
  for (size_t i = 1; i < contours.size(); ++i) {
    for (const Cubic& cubic : contours[i]) {
      if (cubic.p0 == start)
        return i;
    }
  }
  throw std::runtime_error("no counter has an edge at the given point");
}

void OpenCounters(std::vector<Contour>& contours, const std::vector<CounterOpening>& openings) {
  for (const CounterOpening& opening : openings) {
    const size_t counter = ContourWithEdge(contours, opening.counterEdgeStart);
    contours.front() = JoinContours(contours.front(), opening.outerEdgeStart, contours[counter],
                                    opening.counterEdgeStart);
    contours.erase(contours.begin() + counter);
  }
}

template <typename Value>
const Value* Find(const std::map<uint16_t, Value>& map, uint16_t code) {
  const auto found = map.find(code);
  return found == map.end() ? nullptr : &found->second;
}

std::vector<Contour> Placed(std::vector<Contour> contours, const Placement& placement) {
  for (Contour& contour : contours)
    contour = Place(contour, placement);
  return contours;
}

std::vector<FittedContour> FitGlyph(const art::GlyphEntry& entry, std::vector<Contour> contours) {
  if (contours.size() != entry.contours) {
    throw std::runtime_error("the font's glyph has " + std::to_string(contours.size()) +
                             " contours, the directory " + std::to_string(entry.contours));
  }
  const std::vector<PinnedAnchor>* pinned = Find(kPinnedAnchors, entry.code);
  std::vector<FittedContour> fitted;
  for (const Contour& contour : contours) {
    fitted.push_back(pinned != nullptr && fitted.empty() ? PinLeadingAnchors(contour, *pinned)
                                                         : ExactContour(contour));
  }
  FitToAnchorCount(fitted, entry.count - (entry.compound() ? entry.contours : 0));
  if (pinned != nullptr)
    AttachPinnedNeighbours(fitted.front(), *pinned);
  return fitted;
}

struct GeneratedGlyph {
  GlyphRecords records;
  PreviewGlyph preview;
};

GeneratedGlyph Generate(const Font& font, const Placement& placement,
                        const art::GlyphEntry& entry) {
  std::vector<Contour> reference;
  if (entry.character != '\0')
    reference = Placed(font.Load(entry.character).contours, placement);
  GeneratedGlyph glyph;
  double deviation = 0;
  if (const GlyphRecords* given = Find(kGivenGlyphs, entry.code)) {
    glyph.records = *given;
  } else {
    std::vector<Contour> contours = font.Load(entry.character).contours;
    if (const auto* openings = Find(kCounterOpenings, entry.code))
      OpenCounters(contours, *openings);
    const std::vector<FittedContour> fitted = FitGlyph(entry, Placed(contours, placement));
    deviation = MaxDeviation(fitted);
    glyph.records = ToRecords(fitted, entry.compound());
  }
  if (glyph.records.size() != entry.count) {
    throw std::runtime_error("the glyph came out with " + std::to_string(glyph.records.size()) +
                             " records");
  }
  glyph.preview = {FromRecords(glyph.records, entry.compound()), reference};
  std::fprintf(stderr, "%u '%c': %u records, largest deviation %.0f\n", entry.code,
               entry.character == '\0' ? '-' : entry.character, entry.count, deviation);
  return glyph;
}

int Run(int argc, char** argv) {
  const bool withPreview = argc == 5 && std::string(argv[3]) == "--preview";
  if (argc != 3 && !withPreview) {
    std::fprintf(stderr, "usage: %s FONT OUTPUT [--preview SVG]\n", argv[0]);
    return 2;
  }
  const Font font(argv[1]);
  const Placement placement = PlaceDigits(font);
  std::vector<GlyphRecords> records;
  std::vector<PreviewGlyph> previews;
  for (const art::GlyphEntry& entry : art::kGlyphDirectory) {
    try {
      GeneratedGlyph glyph = Generate(font, placement, entry);
      records.push_back(std::move(glyph.records));
      previews.push_back(std::move(glyph.preview));
    } catch (const std::exception& error) {
      throw std::runtime_error("glyph " + std::to_string(entry.code) + ": " + error.what());
    }
  }
  WriteGlyphTable(argv[2], records);
  if (withPreview)
    WritePreview(argv[4], previews);
  return 0;
}

}  // namespace
}  // namespace glyphs

int main(int argc, char** argv) {
  try {
    return glyphs::Run(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "generate_glyph_table: %s\n", error.what());
    return 1;
  }
}
