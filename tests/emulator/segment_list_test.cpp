// A path's segment list against std::vector: lists that stay inline and lists that grow onto
// the heap, resized, copied and moved in random order, keep the same segments.
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "emulator/segment_list.h"

namespace {

using Segments = std::vector<host::PathSegment>;

bool Same(const emulator::SegmentList& list, const Segments& expected) {
  if (list.size() != expected.size() || list.empty() != expected.empty())
    return false;
  for (size_t i = 0; i < expected.size(); ++i) {
    const host::PathSegment& a = list[i];
    const host::PathSegment& b = expected[i];
    if (a.p.h != b.p.h || a.p.v != b.p.v || a.in.h != b.in.h || a.out.v != b.out.v ||
        a.corner != b.corner)
      return false;
  }
  return true;
}

TEST(SegmentList, AgreesWithAVectorThroughResizesCopiesAndMoves) {
  std::mt19937 random(11);
  std::uniform_int_distribution<size_t> size(0, 12);
  std::uniform_int_distribution<int> operation(0, 3);
  emulator::SegmentList lists[2];
  Segments expected[2];
  for (int step = 0; step < 20000; ++step) {
    const int which = step % 2;
    emulator::SegmentList& list = lists[which];
    Segments& vector = expected[which];
    switch (operation(random)) {
      case 0: {  // resize, then mark every segment with where it stands
        const size_t count = size(random);
        list.resize(count);
        vector.resize(count);
        for (size_t i = 0; i < count; ++i) {
          const auto mark = static_cast<host::Real>(step % 1000 * 100 + static_cast<int>(i));
          list[i].p = vector[i].p = {mark, -mark};
          list[i].corner = vector[i].corner = (i + static_cast<size_t>(step)) % 3 != 0;
        }
        break;
      }
      case 1:  // copy the other list
        list = lists[1 - which];
        vector = expected[1 - which];
        break;
      case 2: {  // move the other list here; the one moved from is empty and still usable
        list = std::move(lists[1 - which]);
        vector = std::exchange(expected[1 - which], {});
        ASSERT_TRUE(lists[1 - which].empty());
        break;
      }
      default: {  // move out and back through a new list
        emulator::SegmentList moved(std::move(list));
        ASSERT_TRUE(list.empty());
        list = emulator::SegmentList(moved);
        break;
      }
    }
    ASSERT_TRUE(Same(lists[0], expected[0])) << step;
    ASSERT_TRUE(Same(lists[1], expected[1])) << step;
    ASSERT_GE(list.capacity(), list.size());
  }
}

}  // namespace
