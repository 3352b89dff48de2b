// The real compiled files of the corpus import whole.
#include "typbin_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

uint32_t Field(const Bytes& file, size_t at, int width) {
    uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value |= uint32_t(file.at(at + size_t(i))) << (8 * i);
    return value;
}

TEST(CompiledCorpus, EveryFileImportsWithAsManyObjectsAsItsIndexAnnounces) {
    const fs::path corpus = VELMORA_CORPUS_DIR;
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        std::string extension = entry.path().extension().string();
        for (char& c : extension)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        if (extension != ".typ") continue;
        ++files;
        SCOPED_TRACE(entry.path().filename().string());
        const Bytes file = ReadBytes(entry.path());
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
    EXPECT_GT(files, 0);
}

TEST(CompiledCorpus, AFileCutShortKeepsWhatItHoldsAndSaysSo) {
    const fs::path corpus = VELMORA_CORPUS_DIR;
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(corpus)) {
        std::string extension = entry.path().extension().string();
        for (char& c : extension)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        if (extension != ".typ") continue;
        ++files;
        SCOPED_TRACE(entry.path().filename().string());
        const Bytes file = ReadBytes(entry.path());
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
    EXPECT_GT(files, 0);
}

} // namespace
} // namespace velmora::test
