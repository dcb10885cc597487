#include "core/objekt.h"

#include <atomic>

namespace corvane {

namespace {
ObjRef NextId() {
  static std::atomic<ObjRef> counter{0};
  return ++counter;
}
}  // namespace

ElementIdentity::ElementIdentity() : value_(NextId()) {}
ElementIdentity::ElementIdentity(const ElementIdentity&) : value_(NextId()) {}

}  // namespace corvane
