// Every text TYP file of the corpus of real map styles reads, and its conversion is stable.
#include "model/text_format.h"
#include "text_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusTextFiles() {
    std::vector<fs::path> files;
    const fs::path folder(VELMORA_CORPUS_DIR);
    std::error_code error;
    if (!fs::is_directory(folder, error)) return files;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string Convert(std::string_view bytes) {
    TypDocument doc;
    LoadTextTypDocument(bytes, doc);
    return WriteTextTyp(doc, test::FixedDate);
}

TEST(Corpus, EveryTextFileReadsAndConvertsToStableBytes) {
    const auto files = CorpusTextFiles();
    if (files.empty()) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        const std::string bytes = ReadWholeFile(file.string());
        std::string once;
        ASSERT_NO_THROW(once = Convert(bytes));
        EXPECT_EQ(Convert(once), once);
    }
}

const TGarminObject* FindObject(const ObjectList& list, uint32_t typeCode) {
    for (const auto& object : list)
        if (object->TypeCode == typeCode) return object.get();
    return nullptr;
}

TypDocument LoadCorpusFile(const char* name) {
    TypDocument doc;
    LoadTextTypDocument(ReadWholeFile((fs::path(VELMORA_CORPUS_DIR) / name).string()), doc);
    return doc;
}

TEST(Corpus, ReadsLabelsOfStringKeysWithoutDigit) {
    if (!fs::exists(fs::path(VELMORA_CORPUS_DIR) / "mkgmap-test.txt"))
        GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    const TypDocument doc = LoadCorpusFile("mkgmap-test.txt");
    const TGarminObject* polygon = FindObject(doc.PolygonList, 1);
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(polygon->Labels, (std::vector<std::string>{"0x4,Test", "0x5,Txxx"}));
}

TEST(Corpus, ReadsColourLinesWithSeveralBlanksBeforeTheHash) {
    if (!fs::exists(fs::path(VELMORA_CORPUS_DIR) / "mkgmap-test.txt"))
        GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    const TypDocument doc = LoadCorpusFile("mkgmap-test.txt");
    const TGarminObject* polygon = FindObject(doc.PolygonList, 1);
    ASSERT_NE(polygon, nullptr);
    ASSERT_EQ(polygon->Colours[Day].size(), 2u);
    EXPECT_EQ(polygon->Colours[Day][1], test::Colour(' ', 0x88, 0x99, 0x88));
}

TEST(Corpus, ReadsEveryObjectOfFreizeit) {
    if (!fs::exists(fs::path(VELMORA_CORPUS_DIR) / "freizeit.txt"))
        GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    const TypDocument doc = LoadCorpusFile("freizeit.txt");
    EXPECT_EQ(doc.PointList.size(), 147u);
    EXPECT_EQ(doc.LineList.size(), 192u);
    EXPECT_EQ(doc.PolygonList.size(), 68u);
}

} // namespace
} // namespace velmora
