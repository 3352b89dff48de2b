// Every text TYP file of the corpus of real map styles reads, and its conversion is stable.
#include "model/text_format.h"
#include "text_test_support.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::CorpusTextFiles;
using test::OnPath;

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

std::vector<std::string_view> Lines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return lines;
}

std::string_view Trimmed(std::string_view line) {
    while (!line.empty() && static_cast<unsigned char>(line.front()) <= 32)
        line.remove_prefix(1);
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= 32)
        line.remove_suffix(1);
    return line;
}

bool IsObjectSectionLine(std::string_view line) {
    return line.starts_with("[_point]") || line.starts_with("[_line]") || line.starts_with("[_polygon]");
}

// The comment lines of a text, grouped: the comments of each object section with those standing
// before it outside any section, and all the others in one group of their own (the first).
std::vector<std::vector<std::string_view>> CommentGroups(std::string_view text) {
    std::vector<std::vector<std::string_view>> groups(1);
    std::vector<std::string_view> pending;
    bool inObject = false;
    for (std::string_view raw : Lines(text)) {
        const std::string_view line = Trimmed(raw);
        if (IsObjectSectionLine(line)) {
            groups.push_back(std::move(pending));
            pending.clear();
            inObject = true;
        } else if (line.starts_with("[")) {
            if (!inObject) groups[0].insert(groups[0].end(), pending.begin(), pending.end()), pending.clear();
            if (line.size() >= 5 && (line.substr(0, 5) == "[end]" || line.substr(0, 5) == "[End]" ||
                                     line.substr(0, 5) == "[END]"))
                inObject = false;
        } else if (line.starts_with(";")) {
            (inObject ? groups.back() : pending).push_back(line);
        }
    }
    groups.back().insert(groups.back().end(), pending.begin(), pending.end());
    return groups;
}

// Whether needles stand in haystack in their order, not necessarily next to each other.
bool IsSubsequence(const std::vector<std::string_view>& needles,
                   const std::vector<std::string_view>& haystack) {
    size_t at = 0;
    for (std::string_view needle : needles) {
        while (at < haystack.size() && haystack[at] != needle)
            ++at;
        if (at == haystack.size()) return false;
        ++at;
    }
    return true;
}

TEST(Corpus, KeepsEveryCommentLineInItsOrder) {
    const auto files = CorpusTextFiles();
    if (files.empty()) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        const std::string source = ReadWholeFile(file.string());
        const std::string saved = Convert(source);
        std::vector<std::string_view> savedComments;
        std::map<std::string_view, int> count;
        for (std::string_view line : Lines(saved))
            if (Trimmed(line).starts_with(";"))
                savedComments.push_back(Trimmed(line)), ++count[Trimmed(line)];
        // The saved file has the three head lines more; every other comment is the source's.
        size_t sourceCount = 0;
        for (const auto& group : CommentGroups(source)) {
            EXPECT_TRUE(IsSubsequence(group, savedComments))
                << "a comment group of " << group.size() << " lines lost its order";
            for (std::string_view comment : group)
                EXPECT_GE(--count[comment], 0) << "missing: " << comment;
            sourceCount += group.size();
        }
        EXPECT_EQ(savedComments.size(), sourceCount + 3);
    }
}

// The map compiler turns each source and the program's unedited save of it into the same compiled
// bytes, apart from the creation date in the header (bytes 14 to 20). One compiler run takes every
// file, since the compiler's start costs more than its work.
TEST(Corpus, SavedFilesCompileToTheSameBytesAsTheirSources) {
    const auto files = CorpusTextFiles();
    if (files.empty()) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    const fs::path mkgmap = OnPath("mkgmap");
    if (mkgmap.empty()) GTEST_SKIP() << "mkgmap is not on PATH";

    const fs::path folder = fs::temp_directory_path() / ("velmora-compile-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::string command =
        "cd '" + folder.string() + "' && '" + mkgmap.string() + "' --family-id=777 --keep-going";
    for (const fs::path& file : files) {
        const std::string stem = file.stem().string();
        const std::string source = ReadWholeFile(file.string());
        WriteFileAtomically((folder / (stem + ".txt")).string(), source);
        WriteFileAtomically((folder / (stem + "_saved.txt")).string(), Convert(source));
        command += " '" + stem + ".txt' '" + stem + "_saved.txt'";
    }
    command += " > compiler.log 2>&1";
    ASSERT_NE(std::system(command.c_str()), -1);

    for (const fs::path& file : files) {
        const std::string stem = file.stem().string();
        SCOPED_TRACE(stem);
        const fs::path fromSource = folder / (stem + ".typ");
        const fs::path fromSave = folder / (stem + "_saved.typ");
        if (!fs::exists(fromSource)) {
            ADD_FAILURE() << "the compiler did not compile the source itself";
            continue;
        }
        ASSERT_TRUE(fs::exists(fromSave)) << "the compiler refused the saved file";
        std::string a = ReadWholeFile(fromSource.string());
        std::string b = ReadWholeFile(fromSave.string());
        for (std::string* bytes : {&a, &b})
            for (size_t i = 14; i <= 20 && i < bytes->size(); ++i)
                (*bytes)[i] = 0;
        EXPECT_EQ(a.size(), b.size());
        EXPECT_TRUE(a == b) << "compiled files differ";
    }
    fs::remove_all(folder);
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
