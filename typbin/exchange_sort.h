// The exchange sort of the draw order and of the index tables.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace velmora {

// Sorts items ascending by key(item) exactly as the nested exchange loops do: for each i, every later
// item whose key is smaller than the one now at i is swapped into place i. The sort is not stable, and
// where keys repeat the items end up where those loops put them, so that is what runs then. With all
// keys distinct the order is the sorted one whatever the method, and a quick sort gives it.
template <typename Item, typename KeyOf> void ExchangeSort(std::vector<Item>& items, KeyOf key) {
    std::vector<uint32_t> keys(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        keys[i] = key(items[i]);
    std::vector<uint32_t> sortedKeys = keys;
    std::sort(sortedKeys.begin(), sortedKeys.end());
    if (std::adjacent_find(sortedKeys.begin(), sortedKeys.end()) == sortedKeys.end()) {
        std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) { return key(a) < key(b); });
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
