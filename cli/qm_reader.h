// A reader of the compiled translation files that lrelease writes (.qm), without Qt: velmora-typ
// links no Qt library, yet its texts come from the same translation tools as the window's.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora::cli {

class QmCatalogue {
  public:
    // Keeps a view of bytes, which must outlive the catalogue. Bytes that are not a whole
    // translation file give a catalogue that finds nothing.
    explicit QmCatalogue(std::span<const uint8_t> bytes);

    bool Valid() const { return !Messages.empty() && !Hashes.empty(); }

    // The translation of source in context, as UTF-8; none when the file has no finished
    // translation for it.
    std::optional<std::string> Find(std::string_view context, std::string_view source) const;

  private:
    std::optional<std::string> Match(size_t offset, std::string_view context, std::string_view source) const;

    std::span<const uint8_t> Hashes;   // pairs of big-endian 32-bit numbers: hash, offset into Messages
    std::span<const uint8_t> Messages; // the message records
};

// The hash a translation file files a message under: the ELF hash of its source text followed
// by its comment.
uint32_t QmHash(std::string_view sourceAndComment);

} // namespace velmora::cli
