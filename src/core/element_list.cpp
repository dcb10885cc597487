#include "core/element_list.h"

#include <algorithm>
#include <utility>

namespace corvane {

TObjekt& ElementList::Add(TObjekt element) {
  return Add(std::make_unique<TObjekt>(std::move(element)));
}

TObjekt& ElementList::Add(std::unique_ptr<TObjekt> element) {
  items_.push_back(std::move(element));
  if (index_valid_) index_.emplace(items_.back()->Id(), static_cast<long>(items_.size() - 1));
  return *items_.back();
}

TObjekt& ElementList::Insert(std::size_t index, std::unique_ptr<TObjekt> element) {
  index = std::min(index, items_.size());
  auto it = items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(element));
  index_valid_ = false;
  return **it;
}

std::unique_ptr<TObjekt> ElementList::Take(std::size_t index) {
  std::unique_ptr<TObjekt> e = std::move(items_[index]);
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  index_valid_ = false;
  return e;
}

void ElementList::Erase(std::size_t index) { Take(index); }

void ElementList::Move(std::size_t from, std::size_t to) {
  if (from == to || from >= items_.size() || to >= items_.size()) return;
  auto first = items_.begin();
  if (from < to)
    std::rotate(first + static_cast<std::ptrdiff_t>(from), first + static_cast<std::ptrdiff_t>(from) + 1,
                first + static_cast<std::ptrdiff_t>(to) + 1);
  else
    std::rotate(first + static_cast<std::ptrdiff_t>(to), first + static_cast<std::ptrdiff_t>(from),
                first + static_cast<std::ptrdiff_t>(from) + 1);
  index_valid_ = false;
}

void ElementList::Swap(std::size_t a, std::size_t b) {
  std::swap(items_[a], items_[b]);
  index_valid_ = false;
}

void ElementList::Clear() {
  items_.clear();
  index_.clear();
  index_valid_ = false;
}

void ElementList::RebuildIndex() const {
  index_.clear();
  index_.reserve(items_.size());
  for (std::size_t i = 0; i < items_.size(); ++i) index_.emplace(items_[i]->Id(), static_cast<long>(i));
  index_valid_ = true;
}

long ElementList::IndexOf(ObjRef ref) const {
  if (ref == kNoRef) return -1;
  if (!index_valid_) RebuildIndex();
  auto it = index_.find(ref);
  if (it == index_.end()) return -1;
  // An element moved-assigned in place changes identity behind the cache's back.
  if (items_[static_cast<std::size_t>(it->second)]->Id() != ref) {
    RebuildIndex();
    it = index_.find(ref);
    if (it == index_.end()) return -1;
  }
  return it->second;
}

TObjekt* ElementList::Find(ObjRef ref) {
  long i = IndexOf(ref);
  return i < 0 ? nullptr : items_[static_cast<std::size_t>(i)].get();
}

const TObjekt* ElementList::Find(ObjRef ref) const {
  long i = IndexOf(ref);
  return i < 0 ? nullptr : items_[static_cast<std::size_t>(i)].get();
}

}  // namespace corvane
