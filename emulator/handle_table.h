// The records behind one kind of host handle, in creation order. A handle is the address of its
// record; looking a handle up validates it, so stale or foreign handles are refused instead of
// being dereferenced. Live records are few, so a linear search serves.
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

namespace emulator {

template <typename Handle, typename Record>
class HandleTable {
 public:
  Handle Add(std::unique_ptr<Record> record) {
    records_.push_back(std::move(record));
    return HandleOf(records_.back().get());
  }

  Record* Find(Handle handle) const {
    const auto found = Position(handle);
    return found == records_.end() ? nullptr : found->get();
  }

  // Destroys the record; false when the handle is not in the table.
  bool Remove(Handle handle) {
    const auto found = Position(handle);
    if (found == records_.end())
      return false;
    records_.erase(found);
    return true;
  }

  static Handle HandleOf(const Record* record) {
    return reinterpret_cast<Handle>(const_cast<Record*>(record));
  }

  int size() const { return static_cast<int>(records_.size()); }
  const std::vector<std::unique_ptr<Record>>& records() const { return records_; }

 private:
  auto Position(Handle handle) const {
    return std::find_if(records_.begin(), records_.end(),
                        [&](const auto& record) { return HandleOf(record.get()) == handle; });
  }

  std::vector<std::unique_ptr<Record>> records_;
};

}  // namespace emulator
