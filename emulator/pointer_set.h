// A set of addresses held in one array (open addressing with linear probing), so that adding,
// finding and removing allocate nothing once the array has grown to the set's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace emulator {

template <typename T>
class PointerSet {
 public:
  bool Contains(const T* item) const {
    if (item == nullptr || slots_.empty())
      return false;
    for (size_t slot = Home(item);; slot = Next(slot)) {
      if (slots_[slot] == item)
        return true;
      if (slots_[slot] == nullptr)
        return false;
    }
  }

  // The item must not be null.
  void Insert(const T* item) {
    if (2 * (size_ + 1) > slots_.size())
      Grow();
    size_t slot = Home(item);
    while (slots_[slot] != nullptr && slots_[slot] != item)
      slot = Next(slot);
    if (slots_[slot] == nullptr)
      ++size_;
    slots_[slot] = item;
  }

  // Removes the item, moving back the ones after it that it had pushed along, so that every
  // item stays reachable from its home slot without gaps.
  void Erase(const T* item) {
    if (!Contains(item))
      return;
    size_t hole = Home(item);
    while (slots_[hole] != item)
      hole = Next(hole);
    slots_[hole] = nullptr;
    --size_;
    for (size_t slot = Next(hole); slots_[slot] != nullptr; slot = Next(slot)) {
      const size_t home = Home(slots_[slot]);
      // The item may move to the hole unless its home lies cyclically in (hole, slot].
      const bool homeAfterHole =
          hole <= slot ? (home > hole && home <= slot) : (home > hole || home <= slot);
      if (!homeAfterHole) {
        slots_[hole] = slots_[slot];
        slots_[slot] = nullptr;
        hole = slot;
      }
    }
  }

  size_t size() const { return size_; }

 private:
  // A power of two, as every capacity: room for the arts of a typical symbol without growing.
  static constexpr size_t kFirstCapacity = 512;

  size_t Home(const T* item) const {
    const auto address = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(item));
    return static_cast<size_t>((address * 0x9E3779B97F4A7C15u) >> 32) & (slots_.size() - 1);
  }
  size_t Next(size_t slot) const { return (slot + 1) & (slots_.size() - 1); }

  void Grow() {
    std::vector<const T*> old(slots_.empty() ? kFirstCapacity : 2 * slots_.size(), nullptr);
    old.swap(slots_);
    size_ = 0;
    for (const T* item : old) {
      if (item != nullptr)
        Insert(item);
    }
  }

  std::vector<const T*> slots_;  // null: empty
  size_t size_ = 0;
};

}  // namespace emulator
