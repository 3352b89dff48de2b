#include "cli/qm_reader.h"
#include "model/utf8.h"

#include <array>

namespace velmora::cli {

namespace {

// The file starts with these bytes.
constexpr std::array<uint8_t, 16> QmMagic = {0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                                             0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};

// Sections of the file: a tag byte and a big-endian 32-bit length, then that many bytes.
constexpr uint8_t HashesSection = 0x42;
constexpr uint8_t MessagesSection = 0x69;

// Fields of a message record: a tag byte, then for most a big-endian 32-bit length and the bytes.
enum : uint8_t {
    FieldEnd = 1,
    FieldTranslation = 3, // UTF-16 big-endian; one per plural form
    FieldObsolete1 = 5,
    FieldSourceText = 6,
    FieldContext = 7,
    FieldComment = 8,
    FieldObsolete2 = 9,
};

// A length of all ones marks a translation that is not there.
constexpr uint32_t NoText = 0xFFFFFFFF;

// Reads from a span without ever stepping past its end.
class Cursor {
  public:
    explicit Cursor(std::span<const uint8_t> bytes) : Bytes(bytes) {}

    bool AtEnd() const { return At >= Bytes.size(); }

    std::optional<uint8_t> Byte() {
        if (At >= Bytes.size()) return std::nullopt;
        return Bytes[At++];
    }

    std::optional<uint32_t> Number() {
        if (At > Bytes.size() || Bytes.size() - At < 4) return std::nullopt;
        const uint32_t value = uint32_t(Bytes[At]) << 24 | uint32_t(Bytes[At + 1]) << 16 |
                               uint32_t(Bytes[At + 2]) << 8 | uint32_t(Bytes[At + 3]);
        At += 4;
        return value;
    }

    std::optional<std::span<const uint8_t>> Take(size_t count) {
        if (At > Bytes.size() || Bytes.size() - At < count) return std::nullopt;
        const auto taken = Bytes.subspan(At, count);
        At += count;
        return taken;
    }

  private:
    std::span<const uint8_t> Bytes;
    size_t At = 0;
};

std::string_view AsText(std::span<const uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// UTF-16 big-endian to UTF-8; a lone surrogate becomes U+FFFD, an odd byte count is no text.
std::optional<std::string> Utf16ToUtf8(std::span<const uint8_t> bytes) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); i += 2) {
        uint32_t unit = uint32_t(bytes[i]) << 8 | bytes[i + 1];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const uint32_t low = uint32_t(bytes[i + 2]) << 8 | bytes[i + 3];
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (unit >= 0xD800 && unit < 0xE000) unit = 0xFFFD;
        AppendUtf8(out, unit);
    }
    return out;
}

} // namespace

uint32_t QmHash(std::string_view sourceAndComment) {
    uint32_t hash = 0;
    for (const char c : sourceAndComment) {
        hash = (hash << 4) + uint8_t(c);
        const uint32_t high = hash & 0xF0000000;
        if (high != 0) hash ^= high >> 24;
        hash &= ~high;
    }
    // Zero is kept free.
    return hash != 0 ? hash : 1;
}

QmCatalogue::QmCatalogue(std::span<const uint8_t> bytes) {
    if (bytes.size() < QmMagic.size() || !std::equal(QmMagic.begin(), QmMagic.end(), bytes.begin())) return;
    Cursor cursor(bytes.subspan(QmMagic.size()));
    std::span<const uint8_t> hashes, messages;
    while (!cursor.AtEnd()) {
        const auto tag = cursor.Byte();
        const auto length = cursor.Number();
        if (!tag || !length) return;
        const auto section = cursor.Take(*length);
        if (!section) return; // a cut file is no file
        if (*tag == HashesSection) hashes = *section;
        if (*tag == MessagesSection) messages = *section;
    }
    if (hashes.size() % 8 != 0) return;
    Hashes = hashes;
    Messages = messages;
}

std::optional<std::string> QmCatalogue::Find(std::string_view context, std::string_view source) const {
    if (!Valid()) return std::nullopt;
    const uint32_t hash = QmHash(source);
    // Entries are sorted by hash, but a damaged file may not be: every entry is looked at.
    Cursor entries(Hashes);
    while (!entries.AtEnd()) {
        const auto entryHash = entries.Number();
        const auto offset = entries.Number();
        if (!entryHash || !offset) break;
        if (*entryHash != hash) continue;
        if (auto translation = Match(*offset, context, source)) return translation;
    }
    return std::nullopt;
}

// The record at offset, when it is the message of context and source with a translation. lrelease
// may leave out a record's source text or context, keeping only the hash: a field that is absent
// does not rule the record out, as for Qt's own lookup.
std::optional<std::string> QmCatalogue::Match(size_t offset, std::string_view context,
                                              std::string_view source) const {
    if (offset >= Messages.size()) return std::nullopt;
    Cursor record(Messages.subspan(offset));
    std::optional<std::span<const uint8_t>> translation;
    while (true) {
        const auto tag = record.Byte();
        if (!tag) return std::nullopt;
        if (*tag == FieldEnd) break;
        if (*tag == FieldObsolete2) continue;
        const auto length = record.Number();
        if (!length) return std::nullopt;
        if (*tag == FieldTranslation && *length == NoText) {
            if (!translation) translation = std::span<const uint8_t>();
            continue;
        }
        const auto field = record.Take(*length);
        if (!field) return std::nullopt;
        switch (*tag) {
        case FieldTranslation:
            if (!translation) translation = *field; // the first plural form
            break;
        case FieldSourceText:
            if (AsText(*field) != source) return std::nullopt;
            break;
        case FieldContext:
            if (AsText(*field) != context) return std::nullopt;
            break;
        case FieldComment:
            if (!field->empty()) return std::nullopt; // our texts carry no comment
            break;
        case FieldObsolete1:
            break;
        default:
            // A field this reader does not know, or the UTF-16 source texts of old files: the
            // record cannot be matched for sure.
            return std::nullopt;
        }
    }
    if (!translation || translation->empty()) return std::nullopt;
    return Utf16ToUtf8(*translation);
}

} // namespace velmora::cli
