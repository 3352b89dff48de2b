// The exchange sort of the draw order and of the index tables.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace velmora {

// Up to this many items with repeated keys are sorted by the exchange loops themselves; their cost
// grows with the square of the count.
inline constexpr size_t ExchangeLoopLimit = 256;

// Sorts items ascending by key(item) exactly as the nested exchange loops do: for each i, every later
// item whose key is smaller than the one now at i is swapped into place i. The sort is not stable, and
// where keys repeat the items end up where those loops put them, so that is what runs then. With all
// keys distinct the order is the sorted one whatever the method, and a sort gives it. So it does when
// the keys already ascend, repeated or not: the loops then swap nothing, as a stable sort moves
// nothing. Beyond ExchangeLoopLimit items with repeated keys out of order (a damaged table, as a
// compiler writes its records in order) the items are sorted stably, so that such a file cannot make
// the import slow.
template <typename Item, typename KeyOf> void ExchangeSort(std::vector<Item>& items, KeyOf key) {
    std::vector<uint32_t> keys(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        keys[i] = key(items[i]);
    std::vector<uint32_t> sortedKeys = keys;
    std::sort(sortedKeys.begin(), sortedKeys.end());
    const bool distinct = std::adjacent_find(sortedKeys.begin(), sortedKeys.end()) == sortedKeys.end();
    if (distinct || keys == sortedKeys || items.size() > ExchangeLoopLimit) {
        std::stable_sort(items.begin(), items.end(),
                         [&](const Item& a, const Item& b) { return key(a) < key(b); });
        return;
    }
    for (size_t i = 0; i < items.size(); ++i)
        for (size_t j = i + 1; j < items.size(); ++j)
            if (keys[j] < keys[i]) {
                std::swap(keys[i], keys[j]);
                std::swap(items[i], items[j]);
            }
}

} // namespace velmora
