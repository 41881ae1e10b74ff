// Bit masks of ranks and suits: whether the set bits are consecutive, and how many there are.
#pragma once

// The length of the single block of set bits in `mask`; 0 when the set bits are not consecutive or none is set.
int BlockLength(unsigned int mask);
// The number of set bits.
int BitCount(unsigned int mask);
