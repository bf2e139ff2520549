// SPDX-License-Identifier: GPL-3.0-or-later
#include "alloc_count.h"

#include <cstdlib>
#include <new>

namespace {
long g_allocations = 0;
} // namespace

long brevimo::test::AllocationCount() { return g_allocations; }

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
