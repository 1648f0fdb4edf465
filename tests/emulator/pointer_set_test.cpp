// The set the documents check art handles against, against std::set: many addresses, so that
// they crowd, wrap around the end of the array and are moved back when others are removed.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "emulator/pointer_set.h"

namespace {

TEST(PointerSet, AgreesWithAnOrderedSet) {
  std::vector<int> items(5000);
  std::mt19937 random(3);
  std::uniform_int_distribution<size_t> pick(0, items.size() - 1);
  emulator::PointerSet<int> set;
  std::set<const int*> expected;
  for (int step = 0; step < 200000; ++step) {
    const int* item = &items[pick(random)];
    // Insert more often than erase at first, so that the set grows, then the reverse.
    const bool insert = random() % 100 < (step < 100000 ? 70 : 30);
    if (insert) {
      set.Insert(item);
      expected.insert(item);
    } else {
      set.Erase(item);
      expected.erase(item);
    }
    ASSERT_EQ(set.size(), expected.size());
    const int* probe = &items[pick(random)];
    ASSERT_EQ(set.Contains(probe), expected.contains(probe)) << step;
  }
  for (const int& item : items)
    ASSERT_EQ(set.Contains(&item), expected.contains(&item));
  EXPECT_FALSE(set.Contains(nullptr));
}

}  // namespace
