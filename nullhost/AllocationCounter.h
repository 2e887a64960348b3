// Counts heap allocations made through the global operator new. The program
// that links AllocationCounter.cpp has its operator new replaced.
#pragma once

#include <cstdint>

namespace nullhost::allocation_counter {

// Counting covers only the span between Start and Stop, so a program's own
// bookkeeping outside it is not charged to the code measured inside it.
void Start();
// Stops counting and answers the allocations since Start.
std::uint64_t Stop();

} // namespace nullhost::allocation_counter
