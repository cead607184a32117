#include "unit/render/allocation_count.h"

#include <cstdlib>
#include <new>

namespace {

long allocations = 0;

void *counted_allocation(std::size_t size) {
  allocations++;
  void *p = std::malloc(size == 0 ? 1 : size);
  if (!p) {
    throw std::bad_alloc();
  }
  return p;
}

}  // namespace

long allocation_count() { return allocations; }

void *operator new(std::size_t size) { return counted_allocation(size); }
void *operator new[](std::size_t size) { return counted_allocation(size); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }
