// The real compiled files of the corpus import whole.
#include "typbin_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The compiled files of the corpus (".typ" in any letter case).
std::vector<fs::path> CompiledFiles() {
    std::vector<fs::path> paths;
    for (const auto& entry : fs::directory_iterator(VELMORA_CORPUS_DIR)) {
        std::string extension = entry.path().extension().string();
        for (char& c : extension)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        if (extension == ".typ") paths.push_back(entry.path());
    }
    return paths;
}

uint32_t Field(const Bytes& file, size_t at, int width) {
    uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value |= uint32_t(file.at(at + size_t(i))) << (8 * i);
    return value;
}

TEST(CompiledCorpus, EveryFileImportsWithAsManyObjectsAsItsIndexAnnounces) {
    if (!fs::is_directory(VELMORA_CORPUS_DIR)) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    const std::vector<fs::path> paths = CompiledFiles();
    for (const fs::path& path : paths) {
        SCOPED_TRACE(path.filename().string());
        const Bytes file = ReadBytes(path);
        BinaryImportResult result;
        ASSERT_NO_THROW(result = ImportBinaryTyp(file));
        EXPECT_TRUE(result.Warnings.empty()) << result.Warnings.front();
        for (int kind = 0; kind < 3; ++kind) {
            const uint32_t entrySize = Field(file, 55 + 10 * size_t(kind), 2);
            const uint32_t length = Field(file, 57 + 10 * size_t(kind), 4);
            const size_t announced = entrySize == 0 ? 0 : length / entrySize;
            EXPECT_EQ(result.Document.List(kind).size(), announced) << "kind " << kind;
            for (const auto& object : result.Document.List(kind))
                for (const std::string& label : object->Labels)
                    EXPECT_EQ(label.find('\0'), std::string::npos) << "a label holds a NUL byte: " << label;
        }
    }
    EXPECT_FALSE(paths.empty());
}

TEST(CompiledCorpus, AFileCutShortKeepsWhatItHoldsAndSaysSo) {
    if (!fs::is_directory(VELMORA_CORPUS_DIR)) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    const std::vector<fs::path> paths = CompiledFiles();
    for (const fs::path& path : paths) {
        SCOPED_TRACE(path.filename().string());
        const Bytes file = ReadBytes(path);
        const BinaryImportResult whole = ImportBinaryTyp(file);
        // Cut at two thirds and just before the end: the file no longer holds all it announces.
        for (size_t size : {file.size() * 2 / 3, file.size() - 1}) {
            const Bytes cut(file.begin(), file.begin() + std::ptrdiff_t(size));
            BinaryImportResult result;
            ASSERT_NO_THROW(result = ImportBinaryTyp(cut));
            EXPECT_FALSE(result.Warnings.empty()) << "cut at " << size;
            for (int kind = 0; kind < 3; ++kind)
                EXPECT_LE(result.Document.List(kind).size(), whole.Document.List(kind).size());
        }
    }
    EXPECT_FALSE(paths.empty());
}

} // namespace
} // namespace velmora::test
