#pragma once
// ElementList: an ordered list that owns its elements. List order is drawing
// order and file order. Elements keep their address while they are in the list.

#include <cstddef>
#include <iterator>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/objekt.h"

namespace corvane {

class ElementList {
  using Storage = std::vector<std::unique_ptr<TObjekt>>;

  template <typename Base, typename Value>
  class Iter {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::remove_const_t<Value>;
    using difference_type = std::ptrdiff_t;
    using pointer = Value*;
    using reference = Value&;
    Iter() = default;
    explicit Iter(Base it) : it_(it) {}
    reference operator*() const { return **it_; }
    pointer operator->() const { return it_->get(); }
    Iter& operator++() { ++it_; return *this; }
    Iter operator++(int) { Iter t = *this; ++it_; return t; }
    Iter& operator--() { --it_; return *this; }
    Iter& operator+=(difference_type n) { it_ += n; return *this; }
    Iter operator+(difference_type n) const { return Iter(it_ + n); }
    difference_type operator-(const Iter& o) const { return it_ - o.it_; }
    bool operator==(const Iter& o) const { return it_ == o.it_; }

   private:
    Base it_{};
  };

 public:
  using iterator = Iter<Storage::iterator, TObjekt>;
  using const_iterator = Iter<Storage::const_iterator, const TObjekt>;

  ElementList() = default;
  ElementList(const ElementList&) = delete;  // copies go through CopyElement/RemapReferences
  ElementList& operator=(const ElementList&) = delete;
  ElementList(ElementList&&) noexcept = default;
  ElementList& operator=(ElementList&&) noexcept = default;

  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  TObjekt& operator[](std::size_t i) { return *items_[i]; }
  const TObjekt& operator[](std::size_t i) const { return *items_[i]; }
  TObjekt& back() { return *items_.back(); }
  const TObjekt& back() const { return *items_.back(); }

  iterator begin() { return iterator(items_.begin()); }
  iterator end() { return iterator(items_.end()); }
  const_iterator begin() const { return const_iterator(items_.begin()); }
  const_iterator end() const { return const_iterator(items_.end()); }

  // Appends and returns the element now owned by the list.
  TObjekt& Add(TObjekt element);
  TObjekt& Add(std::unique_ptr<TObjekt> element);
  TObjekt& Insert(std::size_t index, std::unique_ptr<TObjekt> element);
  // Removes the element at index and hands it to the caller.
  std::unique_ptr<TObjekt> Take(std::size_t index);
  // Removes and releases the element at index.
  void Erase(std::size_t index);
  // Removes and releases every element for which pred holds; keeps the order of the rest.
  template <typename Pred>
  std::size_t EraseIf(Pred pred) {
    std::size_t before = items_.size();
    std::erase_if(items_, [&](const std::unique_ptr<TObjekt>& p) { return pred(*p); });
    if (items_.size() != before) index_valid_ = false;
    return before - items_.size();
  }
  // Moves the element at index `from` so that it ends up at index `to`.
  void Move(std::size_t from, std::size_t to);
  void Swap(std::size_t a, std::size_t b);
  void Clear();
  void Reserve(std::size_t n) { items_.reserve(n); }

  // Position of the referenced element in this list, or -1 when it is not here.
  long IndexOf(ObjRef ref) const;
  bool Contains(ObjRef ref) const { return IndexOf(ref) >= 0; }
  // The referenced element if it is in this list, else nullptr.
  TObjekt* Find(ObjRef ref);
  const TObjekt* Find(ObjRef ref) const;

 private:
  void RebuildIndex() const;

  Storage items_;
  mutable std::unordered_map<ObjRef, long> index_;
  mutable bool index_valid_ = false;
};

}  // namespace corvane
