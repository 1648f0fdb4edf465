#include "art/text_path_art.h"

#include <cmath>

#include "art/glyph_table.h"
#include "host/suite_pointers.h"

namespace art {

namespace {
constexpr int kGlyphCodeOffset = 15955;
constexpr int kShiftedGlyphCodeOffset = 16452;
constexpr uint16_t kOpeningParenthesisGlyph = 16060;
constexpr uint16_t kClosingParenthesisGlyph = 16061;
constexpr uint16_t kDollarGlyph = 16047;
constexpr uint16_t kBarGlyph = 16000;

uint16_t OffsetCode(char character, int offset) {
  return static_cast<uint16_t>(character + offset);
}

bool HasLetterGlyph(char character) {
  switch (character) {
    case 'B':
    case 'C':
    case 'E':
    case 'I':
    case 'N':
    case 'S':
    case 'X':
      return true;
    default:
      return false;
  }
}

// A record offset in points. The product of an integer and a float is exact in double
// precision, so the truncation to whole thousandths of a point is exact as well.
host::RealPoint ToPoints(int32_t dx, int32_t dy, host::Real scale) {
  auto fixed = [scale](int32_t value) {
    const double thousandths = std::trunc(static_cast<double>(value) * scale);
    return host::FixedFromReal(thousandths / 1000.0);
  };
  const host::FixedPoint offset{fixed(dx), fixed(dy)};
  host::RealPoint real;
  host::sRealMath->FixedPointToRealPoint(&offset, &real);
  return real;
}

host::RealPoint Add(host::RealPoint a, host::RealPoint b) {
  return {a.h + b.h, a.v + b.v};
}

// Moves the anchor by the record's offset and returns the record's smooth segment there.
host::PathSegment NextSegment(host::RealPoint& anchor, const GlyphOutlineRecord& record,
                              host::Real scale) {
  anchor = Add(anchor, ToPoints(record.dx, record.dy, scale));
  host::PathSegment segment;
  segment.p = anchor;
  segment.in = Add(anchor, ToPoints(record.inDx, record.inDy, scale));
  segment.out = Add(anchor, ToPoints(record.outDx, record.outDy, scale));
  segment.corner = false;
  return segment;
}

}  // namespace

uint16_t HriGlyphCode(char character) {
  if (character == '(')
    return kOpeningParenthesisGlyph;
  if (character == ')')
    return kClosingParenthesisGlyph;
  return OffsetCode(character, kGlyphCodeOffset);
}

uint16_t CharGlyphCode(char character) {
  if (character == '$')
    return kDollarGlyph;
  if (character == '(' || character == ')')
    return HriGlyphCode(character);
  if ((character >= '0' && character <= '9') || HasLetterGlyph(character)) {
    return OffsetCode(character, kGlyphCodeOffset);
  }
  return kBarGlyph;
}

uint16_t ShiftedGlyphCode(char character) {
  return OffsetCode(character, kShiftedGlyphCodeOffset);
}

uint16_t CTextPathGS1DataBarArt::GlyphForHriChar(char character) const {
  return HriGlyphCode(character);
}

uint16_t CTextPathGS1DataBarArt::GlyphForChar(char character) const {
  return CharGlyphCode(character);
}

uint16_t CTextPathGS1DataBarArt::GlyphForCharShifted(char character) const {
  return ShiftedGlyphCode(character);
}

host::ErrorCode CTextPathGS1DataBarArt::DrawGlyph(host::Fixed x, host::Fixed y, uint16_t code,
                                                  const host::Colour& colour, host::Real scale) {
  const uint32_t info = GlyphInfo(code);
  const int32_t last = static_cast<int32_t>(info >> 16);
  const bool compound = (info & 0xFFFF) != 0;
  const host::FixedPoint fixedOrigin{x, y};
  host::RealPoint origin;
  host::sRealMath->FixedPointToRealPoint(&fixedOrigin, &origin);
  host::ArtHandle glyph = nullptr;
  host::ErrorCode error = compound
                              ? host::sArt->NewArt(host::kCompoundPathArt, host::kPlaceInsideOnTop,
                                                   target_.group, &glyph)
                              : NewGlyphPath(target_.group, colour, glyph);
  if (error == host::kNoError) {
    error = compound ? DrawCompoundGlyph(glyph, origin, code, last, colour, scale)
                     : DrawSimpleGlyph(glyph, origin, code, last, scale);
  }
  if (error != host::kNoError && glyph != nullptr)
    host::sArt->DisposeArt(glyph);
  return error;
}

// Segments are set one by one at the end of the path, which grows to hold them.
host::ErrorCode CTextPathGS1DataBarArt::DrawSimpleGlyph(host::ArtHandle path,
                                                        host::RealPoint origin, uint16_t code,
                                                        int32_t last, host::Real scale) {
  host::RealPoint anchor = origin;
  for (int32_t j = 0; j <= last; ++j) {
    const host::PathSegment segment = NextSegment(anchor, GlyphRecord(code, j), scale);
    if (const host::ErrorCode error =
            host::sPath->SetPathSegments(path, static_cast<int16_t>(j), 1, &segment)) {
      return error;
    }
  }
  return host::sPath->SetPathClosed(path, true);
}

// Each contour-start record closes the contour before it and opens a new path inside the
// compound path. The anchor runs on across contours: a contour-start record adds nothing to it.
host::ErrorCode CTextPathGS1DataBarArt::DrawCompoundGlyph(host::ArtHandle compound,
                                                          host::RealPoint origin, uint16_t code,
                                                          int32_t last, const host::Colour& colour,
                                                          host::Real scale) {
  host::RealPoint anchor = origin;
  host::ArtHandle contour = nullptr;
  int16_t k = 0;
  for (int32_t j = 0; j <= last; ++j) {
    const GlyphOutlineRecord record = GlyphRecord(code, j);
    host::ErrorCode error = host::kNoError;
    if (record.startsContour()) {
      if (contour != nullptr)
        error = host::sPath->SetPathClosed(contour, true);
      if (error == host::kNoError)
        error = NewGlyphPath(compound, colour, contour);
      k = 0;
    } else {
      const host::PathSegment segment = NextSegment(anchor, record, scale);
      if (contour != nullptr)
        error = host::sPath->SetPathSegments(contour, k++, 1, &segment);
    }
    if (error != host::kNoError)
      return error;
  }
  return contour != nullptr ? host::sPath->SetPathClosed(contour, true) : host::kNoError;
}

host::ErrorCode CTextPathGS1DataBarArt::NewGlyphPath(host::ArtHandle container,
                                                     const host::Colour& colour,
                                                     host::ArtHandle& path) {
  path = nullptr;
  const host::ErrorCode error =
      host::sArt->NewArt(host::kPathArt, host::kPlaceInsideOnTop, container, &path);
  if (error != host::kNoError)
    return error;
  return SetFilledStyle(target_, path, colour);
}

}  // namespace art
