#include "support/MatchFinding.h"

#include <algorithm>

namespace kelvora::matching {

NearThree::NearThree(const std::uint8_t* in, bool chained)
    : mIn(in)
    , mHead(std::size_t { 1 } << kBits, kNoPosition)
{
    if (chained)
        mLinks.resize(kLinks);
}

MatchTree::MatchTree(const std::uint8_t* in, std::size_t size, int hashBits, int depth)
    : mIn(in)
    , mSize(size)
    , mHashShift(32 - hashBits)
    , mDepth(depth)
    , mHead(std::size_t { 1 } << hashBits, kNoPosition)
{
    // Two links per position, kept for the window and one position more: a
    // ring of the window's size alone would give the position being joined
    // the slot of the one exactly a window back.
    std::size_t ring = 64;
    while (ring < std::min(size, kMaxOffset + 1))
        ring <<= 1;
    mRingMask = ring - 1;
    mLinks.resize(2 * ring);
}

std::size_t MatchTree::join(std::size_t i, std::size_t limit, Match* found, std::size_t count, std::size_t maxFound)
{
    std::size_t longest = count != 0 ? found[count - 1].count : 2;
    const std::uint8_t* here = mIn + i;
    const std::size_t reach = std::min(kMaxCount, mSize - i);
    std::int32_t& head = mHead[hash4(here, mHashShift)];
    std::int32_t candidate = head;
    head = static_cast<std::int32_t>(i);
    // Where the next node smaller (larger) than the bytes at i hangs; a
    // node's links are its smaller subtree, then its larger one.
    std::int32_t* smaller = &mLinks[2 * (i & mRingMask)];
    std::int32_t* larger = smaller + 1;
    std::size_t smallerLength = 0; // bytes every node below smaller shares with i
    std::size_t largerLength = 0;
    for (int depth = mDepth; candidate != kNoPosition && depth > 0; --depth) {
        const auto position = static_cast<std::size_t>(candidate);
        if (i - position > kMaxOffset)
            break;
        std::int32_t* links = &mLinks[2 * (position & mRingMask)];
        const std::uint8_t* there = mIn + position;
        std::size_t length = std::min(smallerLength, largerLength);
        length += commonLength(there + length, here + length, reach - length);
        if (found != nullptr) {
            const std::size_t usable = std::min(length, limit);
            if (usable > longest && copyCost(usable, i - position) != 0 && count < maxFound) {
                if (count != 0 && found[count - 1].offset > i - position)
                    --count; // nearer and longer: the 3-byte match is of no more use
                found[count++] = { usable, i - position, 0 };
                longest = usable;
            }
        }
        if (length == reach) {
            // Equal as far as the tree compares: i takes its place and its subtrees.
            *smaller = links[0];
            *larger = links[1];
            return count;
        }
        if (there[length] < here[length]) {
            *smaller = candidate;
            smallerLength = length;
            smaller = &links[1];
            candidate = links[1];
        } else {
            *larger = candidate;
            largerLength = length;
            larger = &links[0];
            candidate = links[0];
        }
    }
    *smaller = kNoPosition;
    *larger = kNoPosition;
    return count;
}

} // namespace kelvora::matching
