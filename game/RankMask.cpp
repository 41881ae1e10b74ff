// Block length and bit count of rank and suit masks.
#include "game/RankMask.h"

int BlockLength(unsigned int mask) {
    if (mask == 0) return 0;
    while ((mask & 1u) == 0) mask >>= 1;
    int length = 0;
    while (mask & 1u) {
        ++length;
        mask >>= 1;
    }
    return mask == 0 ? length : 0;
}

int BitCount(unsigned int mask) {
    int count = 0;
    for (; mask; mask &= mask - 1) ++count;
    return count;
}
