// The Qt-free reader of lrelease's translation files, over a small file lrelease built from
// data/lookup_ru.ts, whole and damaged.
#include "cli/qm_reader.h"
#include "cli/translate.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace velmora::cli {
namespace {

std::vector<uint8_t> LookupQm() {
    std::ifstream file(VELMORA_LOOKUP_QM, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct LookupCase {
    const char* Context;
    const char* Source;
    std::optional<std::string> Expected;
};

const LookupCase LookupCases[] = {
    {"Alpha", "Open", "Открыть"},
    {"Beta", "Open", "Раскрыть"}, // the same source text, so the same hash, in another context
    {"Alpha", "Usage:", "Использование:"},
    {"Alpha", "Smile", "Улыбка \xF0\x9F\x98\x80"}, // a character beyond 16 bits: a surrogate pair
    {"Alpha", "Close", "Закрыть"},                 // lrelease drops a comment the file does not need
    {"Beta", "Usage:", std::nullopt},              // context mismatch
    {"Alpha", "Not yet", std::nullopt},            // unfinished: lrelease leaves it out
    {"Alpha", "Opened", std::nullopt},
    {"Alpha", "", std::nullopt},
    {"", "Open", std::nullopt},
};

TEST(QmReader, FindsByContextAndSourceText) {
    const std::vector<uint8_t> bytes = LookupQm();
    ASSERT_FALSE(bytes.empty()) << VELMORA_LOOKUP_QM;
    const QmCatalogue catalogue(bytes);
    ASSERT_TRUE(catalogue.Valid());
    for (const LookupCase& lookup : LookupCases)
        EXPECT_EQ(catalogue.Find(lookup.Context, lookup.Source), lookup.Expected)
            << lookup.Context << " / " << lookup.Source;
}

// A cut file is read as no file (or, cut between whole sections, still gives right answers); a
// damaged byte anywhere may change an answer but never reads outside the bytes (the ASan build
// checks that).
TEST(QmReader, CutOrDamagedFileNeverReadsOutOfBounds) {
    const std::vector<uint8_t> whole = LookupQm();
    ASSERT_FALSE(whole.empty());
    for (size_t size = 0; size < whole.size(); ++size) {
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + std::ptrdiff_t(size));
        const QmCatalogue catalogue(cut);
        for (const LookupCase& lookup : LookupCases) {
            const auto found = catalogue.Find(lookup.Context, lookup.Source);
            if (found) {
                EXPECT_EQ(found, lookup.Expected) << "cut at " << size;
            }
        }
    }
    for (size_t at = 0; at < whole.size(); ++at) {
        for (const uint8_t value : {uint8_t(0x00), uint8_t(0x01), uint8_t(0x7F), uint8_t(0xFF)}) {
            std::vector<uint8_t> damaged = whole;
            damaged[at] = value;
            const QmCatalogue catalogue(damaged);
            for (const LookupCase& lookup : LookupCases)
                (void)catalogue.Find(lookup.Context, lookup.Source);
        }
    }
}

TEST(QmReader, HashIsTheElfHashOfTheText) {
    // The hashes lrelease wrote into the fixture for its source texts.
    EXPECT_EQ(QmHash("Open"), 0x000566BEu);
    EXPECT_EQ(QmHash("Usage:"), 0x05C97D8Au);
    EXPECT_EQ(QmHash("Smile"), 0x005A4025u);
    EXPECT_EQ(QmHash(""), 1u);
}

TEST(Translation, FillInPutsTheValuesInTheirPlaces) {
    const struct {
        const char* Pattern;
        std::initializer_list<std::string_view> Values;
        const char* Expected;
    } cases[] = {
        {"%1: warning: %2", {"in.txt", "odd"}, "in.txt: warning: odd"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 and %1", {"x"}, "x and x"},
        {"100% sure, %3 stays", {"a"}, "100% sure, %3 stays"},
        {"%1 then %2", {"%2", "b"}, "%2 then b"}, // a value is not filled in again
        {"ends in %", {}, "ends in %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FillIn(c.Pattern, c.Values), c.Expected) << c.Pattern;
}

} // namespace
} // namespace velmora::cli
