#include <gtest/gtest.h>

#include "art/rectangle.h"
#include "emulator/art_bounds.h"
#include "emulator/errors.h"
#include "tests/emulator/emulator_fixture.h"

namespace emulator {
namespace {

using DocumentArt = EmulatorTest;

host::ArtHandle NewArt(int16_t type, host::ArtHandle container) {
  host::ArtHandle art = nullptr;
  EXPECT_EQ(host::sArt->NewArt(type, host::kPlaceInsideOnTop, container, &art), host::kNoError);
  return art;
}

TEST_F(DocumentArt, RectangleIsAClosedFilledUnstrokedPathOnTopInsideTheGroup) {
  art::RectangleTarget target;
  target.group = NewArt(host::kGroupArt, Group());
  art::AddRectangle(target, host::FixedFromInt(10), host::FixedFromInt(20), host::FixedFromInt(13),
                    host::FixedFromInt(50), host::GreyColour(1));
  art::AddRectangle(target, host::FixedFromInt(0), host::FixedFromInt(0), host::FixedFromInt(1),
                    host::FixedFromInt(1), host::GreyColour(0));

  const Art& symbol = *document_.group().children.at(0);
  ASSERT_EQ(symbol.children.size(), 2u);
  const Art& bar = *symbol.children[0];
  EXPECT_EQ(bar.kind, ArtKind::kPath);
  EXPECT_EQ(bar.parent, &symbol);
  EXPECT_TRUE(bar.path.closed);
  ASSERT_EQ(bar.path.segments.size(), 4u);
  for (const host::PathSegment& segment : bar.path.segments) {
    EXPECT_TRUE(segment.corner);
    EXPECT_EQ(segment.in.h, segment.p.h);
    EXPECT_EQ(segment.out.v, segment.p.v);
  }
  EXPECT_TRUE(bar.path.style.fillPaint);
  EXPECT_FALSE(bar.path.style.strokePaint);
  EXPECT_EQ(bar.path.style.fill.colour.components[0], 1.0f);
  EXPECT_EQ(symbol.children[1]->path.style.fill.colour.components[0], 0.0f);

  host::RealRect bounds;
  ASSERT_EQ(host::sArt->GetArtBounds(HandleOf(const_cast<Art*>(&bar)), &bounds), host::kNoError);
  EXPECT_EQ(bounds.left, 10);
  EXPECT_EQ(bounds.bottom, 20);
  EXPECT_EQ(bounds.right, 13);
  EXPECT_EQ(bounds.top, 50);
  ASSERT_EQ(host::sArt->GetArtBounds(target.group, &bounds), host::kNoError);
  EXPECT_EQ(bounds.left, 0);
  EXPECT_EQ(bounds.top, 50);
  EXPECT_EQ(document_.Paths().front(), &bar);
}

TEST_F(DocumentArt, ContainersHoldOnlyWhatTheyCan) {
  const host::ArtHandle compound = NewArt(host::kCompoundPathArt, Group());
  const host::ArtHandle contour = NewArt(host::kPathArt, compound);
  ASSERT_NE(contour, nullptr);
  host::ArtHandle refused = nullptr;
  EXPECT_EQ(host::sArt->NewArt(host::kGroupArt, host::kPlaceInsideOnTop, compound, &refused),
            kWrongArtKind);
  EXPECT_EQ(host::sArt->NewArt(host::kPathArt, host::kPlaceInsideOnTop, contour, &refused),
            kWrongArtKind);
  EXPECT_EQ(host::sArt->NewArt(host::kTextFrameArt, host::kPlaceInsideOnTop, Group(), &refused),
            kBadParameter);
  EXPECT_EQ(host::sArt->NewArt(host::kPathArt, 1, Group(), &refused), kBadParameter);
  int notArt = 0;
  EXPECT_EQ(host::sArt->NewArt(host::kPathArt, host::kPlaceInsideOnTop,
                               reinterpret_cast<host::ArtHandle>(&notArt), &refused),
            kBadHandle);
  EXPECT_EQ(refused, nullptr);
  EXPECT_EQ(document_.Count(ArtKind::kPath), 1);
  EXPECT_EQ(document_.Count(ArtKind::kCompoundPath), 1);
}

TEST_F(DocumentArt, SegmentsSetOneByOneGrowThePathWithoutGaps) {
  const host::ArtHandle path = NewArt(host::kPathArt, Group());
  host::PathSegment segment;
  for (int16_t i = 0; i < 3; ++i) {
    segment.p = {static_cast<host::Real>(i), static_cast<host::Real>(-i)};
    ASSERT_EQ(host::sPath->SetPathSegments(path, i, 1, &segment), host::kNoError);
  }
  EXPECT_EQ(host::sPath->SetPathSegments(path, 5, 1, &segment), kBadParameter);
  EXPECT_EQ(host::sPath->SetPathSegmentCount(path, -1), kBadParameter);
  const Art& art = *document_.Paths().front();
  ASSERT_EQ(art.path.segments.size(), 3u);
  EXPECT_EQ(art.path.segments[2].p.v, -2);
  ASSERT_EQ(host::sPath->SetPathSegmentCount(path, 1), host::kNoError);
  EXPECT_EQ(art.path.segments.size(), 1u);
}

TEST_F(DocumentArt, NewPathsTakeTheCurrentStyleAndStylesAreKeptPerPath) {
  host::PathStyle current;
  host::PathStyleMap map;
  map.fill = false;
  ASSERT_EQ(host::sPathStyle->GetCurrentPathStyle(&current, &map), host::kNoError);
  EXPECT_TRUE(current.fillPaint);
  EXPECT_FALSE(current.strokePaint);
  EXPECT_EQ(current.fill.colour.components[0], 1.0f);
  EXPECT_TRUE(map.fill);

  const host::ArtHandle first = NewArt(host::kPathArt, Group());
  const host::ArtHandle second = NewArt(host::kPathArt, Group());
  host::PathStyle style = current;
  style.fill.colour = host::GreyColour(0.25f);
  ASSERT_EQ(host::sPathStyle->SetPathStyle(first, &style), host::kNoError);
  ASSERT_EQ(host::sPathStyle->GetPathStyle(second, &style), host::kNoError);
  EXPECT_EQ(style.fill.colour.components[0], 1.0f);
  EXPECT_EQ(host::sPathStyle->GetPathStyle(Group(), &style), kWrongArtKind);
}

// Handles of disposed art are refused, also the one just made or just used, and those of the art
// inside a disposed group.
TEST_F(DocumentArt, DisposedArtIsNoLongerFound) {
  const host::ArtHandle group = NewArt(host::kGroupArt, Group());
  const host::ArtHandle inside = NewArt(host::kPathArt, group);
  const host::ArtHandle path = NewArt(host::kPathArt, Group());
  ASSERT_EQ(host::sArt->DisposeArt(path), host::kNoError);
  EXPECT_EQ(host::sPath->SetPathClosed(path, true), kBadHandle);
  ASSERT_EQ(host::sPath->SetPathClosed(inside, true), host::kNoError);
  ASSERT_EQ(host::sArt->DisposeArt(group), host::kNoError);
  EXPECT_EQ(host::sPath->SetPathClosed(inside, true), kBadHandle);
  EXPECT_EQ(host::sArt->DisposeArt(group), kBadHandle);
  EXPECT_TRUE(document_.group().children.empty());
}

TEST_F(DocumentArt, ViewCentreAndHandlesOfAClosedDocument) {
  host::DocumentViewHandle view = nullptr;
  host::RealPoint centre;
  ASSERT_EQ(host::sDocumentView->GetNthDocumentView(0, &view), host::kNoError);
  ASSERT_EQ(host::sDocumentView->GetDocumentViewCenter(view, &centre), host::kNoError);
  EXPECT_EQ(centre.h, 100);
  EXPECT_EQ(centre.v, 200);
  EXPECT_EQ(host::sDocumentView->GetNthDocumentView(1, &view), kBadParameter);

  const host::ArtHandle group = Group();
  emulator_.NewDocument();
  host::ArtHandle art = nullptr;
  EXPECT_EQ(host::sArt->NewArt(host::kPathArt, host::kPlaceInsideOnTop, group, &art), kBadHandle);
  EXPECT_EQ(host::sDocumentView->GetDocumentViewCenter(view, &centre), kBadHandle);
}

}  // namespace
}  // namespace emulator
