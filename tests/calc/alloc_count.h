// SPDX-License-Identifier: GPL-3.0-or-later
// Counts the test program's allocations, to show that a computation
// allocates nothing per step. The global operator new and delete are
// replaced in alloc_count.cpp, a unit of their own: seen inline beside the
// allocations they serve, their malloc and free would look mismatched with
// operator new and delete to the optimiser.
#pragma once

namespace brevimo::test {

// The number of global operator new calls so far.
long AllocationCount();

} // namespace brevimo::test
