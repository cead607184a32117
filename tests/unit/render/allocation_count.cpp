#include "unit/render/allocation_count.h"

#include <cstdlib>
#include <new>

namespace {

long allocations = 0;

void *counted_allocation_or_null(std::size_t size) {
  allocations++;
  return std::malloc(size == 0 ? 1 : size);
}

void *counted_allocation(std::size_t size) {
  void *p = counted_allocation_or_null(size);
  if (!p) {
    throw std::bad_alloc();
  }
  return p;
}

}  // namespace

long allocation_count() { return allocations; }

void *operator new(std::size_t size) { return counted_allocation(size); }
void *operator new[](std::size_t size) { return counted_allocation(size); }
// The renderer's start-up allocates with nothrow new; every form must be
// replaced, or a runtime that supplies its own (AddressSanitizer's) pairs
// its allocation with the free below.
void *operator new(std::size_t size, const std::nothrow_t &) noexcept {
  return counted_allocation_or_null(size);
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept {
  return counted_allocation_or_null(size);
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }
void operator delete(void *p, const std::nothrow_t &) noexcept { std::free(p); }
void operator delete[](void *p, const std::nothrow_t &) noexcept { std::free(p); }
