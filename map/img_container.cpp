#include "map/img_container.h"
#include "map/img_reader.h"
#include "model/translatable.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string_view>
#include <tuple>

namespace velmora::img {

namespace {

constexpr size_t HeaderSize = 0x200;
constexpr size_t EntrySize = 0x200;
constexpr size_t EntryBlocks = 240;
constexpr uint32_t NoBlock = 0xFFFF;

const char* const NotImg = TranslateNoop("FileError", "It is no Garmin IMG map.");

struct Part {
    uint32_t Number = 0;
    uint32_t Size = 0; // the file's size, given by its first part
    std::vector<uint32_t> Blocks;
};

std::string Trimmed(const uint8_t* text, size_t length) {
    std::string s(reinterpret_cast<const char*>(text), length);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\0'))
        s.pop_back();
    return s;
}

} // namespace

std::vector<ContainedFile> ReadContainer(Bytes file, const std::string& path) {
    if (file.size() < HeaderSize) throw MapError(path, NotImg);
    // Every byte of the file is XORed with the first one; most maps leave it zero.
    const uint8_t key = file[0];
    std::vector<uint8_t> plain;
    if (key != 0) {
        plain.assign(file.begin(), file.end());
        for (uint8_t& b : plain)
            b ^= key;
        file = plain;
    }
    if (!HasText(file, 0x10, "DSKIMG") || !HasText(file, 0x41, "GARMIN")) throw MapError(path, NotImg);
    const uint32_t exponent = U8(file, 0x61) + U8(file, 0x62);
    if (exponent < 9 || exponent > 24) throw MapError(path, NotImg);
    const uint64_t blockSize = uint64_t(1) << exponent;

    // The file table starts at the block the header names (in 512-byte units) and ends where the
    // data begins: the size of its first entry, which stands for the header and the table.
    const size_t tableStart = U8(file, 0x40) != 0 ? size_t(U8(file, 0x40)) * EntrySize : 0x600;
    size_t tableEnd = file.size();
    std::map<std::pair<std::string, std::string>, std::vector<Part>> parts;
    std::vector<std::pair<std::string, std::string>> order;
    for (size_t at = tableStart; at + EntrySize <= tableEnd; at += EntrySize) {
        const uint8_t* entry = file.data() + at;
        if (entry[0] != 1) {
            if (tableEnd == file.size()) break; // no first entry told where the table ends
            continue;
        }
        const std::string name = Trimmed(entry + 1, 8), type = Trimmed(entry + 9, 3);
        Part part{U16(file, at + 0x10), U32(file, at + 0x0C), {}};
        for (size_t i = 0; i < EntryBlocks; ++i) {
            const uint32_t block = U16(file, at + 0x20 + 2 * i);
            if (block == NoBlock) break;
            part.Blocks.push_back(block);
        }
        if (name.empty() && type.empty()) {
            tableEnd = std::clamp<size_t>(part.Size, at + EntrySize, file.size());
            continue;
        }
        auto key = std::make_pair(name, type);
        auto [found, added] = parts.try_emplace(key);
        if (added) order.push_back(key);
        found->second.push_back(std::move(part));
    }
    if (order.empty()) throw MapError(path, NotImg);

    // A damaged table may name the same blocks again and again; the files together never hold more
    // than the image itself in a sound file.
    uint64_t budget = 2 * uint64_t(file.size());
    std::vector<ContainedFile> files;
    for (const auto& key : order) {
        auto& list = parts[key];
        std::stable_sort(list.begin(), list.end(),
                         [](const Part& a, const Part& b) { return a.Number < b.Number; });
        const uint64_t size = std::min<uint64_t>(list.front().Size, budget);
        ContainedFile out{key.first, key.second, {}};
        out.Data.reserve(size_t(std::min<uint64_t>(size, file.size())));
        for (const Part& part : list) {
            for (uint32_t block : part.Blocks) {
                if (out.Data.size() >= size) break;
                const Bytes piece =
                    Slice(file, block * blockSize, std::min<uint64_t>(blockSize, size - out.Data.size()));
                if (piece.empty()) break;
                out.Data.insert(out.Data.end(), piece.begin(), piece.end());
            }
        }
        budget -= out.Data.size();
        files.push_back(std::move(out));
    }
    return files;
}

} // namespace velmora::img
