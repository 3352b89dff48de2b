// Velmora's compiled file of every corpus text file beside Debian's mkgmap's of the same text (same
// family id and code page): both import into the same document, except where mkgmap is known to
// write something other than the text says.
#include "document_description.h"
#include "typbin_test_support.h"

#include "model/text_format.h"
#include "typbin/typ_compiler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool HasProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (size_t start = 0; start <= folders.size();) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        if (::access((folders.substr(start, end - start) + "/" + name).c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

std::optional<std::vector<uint8_t>> CompileWithMkgmap(const fs::path& source, const fs::path& folder,
                                                      uint16_t familyId, uint16_t codePage) {
    fs::create_directories(folder);
    fs::copy_file(source, folder / source.filename(), fs::copy_options::overwrite_existing);
    const std::string command = "cd '" + folder.string() +
                                "' && mkgmap --family-id=" + std::to_string(familyId) +
                                " --code-page=" + std::to_string(codePage) + " '" +
                                source.filename().string() + "' > mkgmap.log 2>&1";
    const fs::path output = folder / (source.stem().string() + ".typ");
    if (std::system(command.c_str()) != 0 || !fs::exists(output)) return std::nullopt;
    const std::string bytes = ReadBytes(output);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// What mkgmap is known to write other than the text says, each found by a mark in the description
// of Velmora's object and mkgmap's.
struct KnownDifference {
    const char* Why;
    bool (*Applies)(const std::string& ours, const std::string& theirs);
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The draw order of a header description with its levels ranked (1, 2, 3, ... without gaps), beside
// the rest of the header.
std::string RankedHeader(const std::string& header) {
    const size_t start = header.find("draw order");
    std::vector<std::pair<long, long>> entries; // level, code
    std::istringstream in(header.substr(start + 10));
    std::string item;
    while (in >> item) {
        const size_t colon = item.find(':');
        entries.emplace_back(std::stol(item.substr(colon + 1)), std::stol(item.substr(0, colon)));
    }
    std::sort(entries.begin(), entries.end());
    std::string ranked = header.substr(0, start) + "draw order";
    long rank = 0, lastLevel = -1;
    for (const auto& [level, code] : entries) {
        if (level != lastLevel) ++rank, lastLevel = level;
        ranked += " " + std::to_string(code) + ":" + std::to_string(rank);
    }
    return ranked;
}

const KnownDifference KnownDifferences[] = {
    // mkgmap closes the gaps between draw levels and starts a draw order that has a level 0 at level
    // 2. The order of the levels is the same.
    {"mkgmap renumbers the draw levels",
     [](const std::string& ours, const std::string& theirs) {
         return ours.rfind("FID ", 0) == 0 && RankedHeader(ours) == RankedHeader(theirs);
     }},
    // A solid polygon whose second colour is "none": mkgmap announces two colours and stores one.
    {"mkgmap stores a solid polygon's second colour \"none\" as no colour",
     [](const std::string& ours, const std::string&) {
         return ours.rfind("polygon", 0) == 0 && Contains(ours, " solid ") && Contains(ours, " none");
     }},
    // "FontStyle=Default" without label colours: mkgmap writes no font byte, so its import has no
    // font style; Velmora writes the style the text names.
    {"mkgmap writes no font byte for FontStyle=Default without label colours",
     [](const std::string& ours, const std::string& theirs) {
         const std::string mark = "\n  font 0";
         const size_t at = ours.find(mark);
         return at != std::string::npos && at + mark.size() == ours.size() && ours.substr(0, at) == theirs;
     }},
};

// Compares two documents described object by object, in the order of their descriptions (mkgmap
// stores the records in the order of their types); every difference must be a known one. Prints
// the tally of the file.
void CompareDescriptions(const std::string& name, std::vector<std::string> ours,
                         std::vector<std::string> peer) {
    std::sort(ours.begin() + 1, ours.end());
    std::sort(peer.begin() + 1, peer.end());
    ASSERT_EQ(ours.size(), peer.size());
    size_t same = 0;
    std::map<std::string, size_t> known;
    for (size_t i = 0; i < ours.size(); ++i) {
        if (ours[i] == peer[i]) {
            ++same;
            continue;
        }
        const KnownDifference* found = nullptr;
        for (const KnownDifference& difference : KnownDifferences)
            if (difference.Applies(ours[i], peer[i])) found = &difference;
        if (found)
            ++known[found->Why];
        else
            ADD_FAILURE() << "Velmora:\n" << ours[i] << "\nmkgmap:\n" << peer[i];
    }
    std::cout << name << ": header and " << ours.size() - 1 << " objects, " << same << " of " << ours.size()
              << " the same";
    for (const auto& [why, count] : known)
        std::cout << "; " << count << " " << why;
    std::cout << "\n";
}

TEST(CompilerPeer, VelmoraAndMkgmapCompileEveryCorpusTextIntoTheSameDocument) {
    const fs::path corpus(VELMORA_CORPUS_DIR);
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "corpus folder " << VELMORA_CORPUS_DIR << " is absent";
    if (!HasProgram("mkgmap")) GTEST_SKIP() << "mkgmap is not installed";
    const fs::path folder =
        fs::temp_directory_path() / ("velmora-compiler-peer-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(corpus))
        if (entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        TypDocument source;
        LoadTextTypDocument(ReadBytes(path), source);
        const CompileOptions identity = HeaderIdentity(source.HeaderLines);
        CompileOptions options;
        options.FamilyId = identity.FamilyId.value_or(6276);
        options.CodePage = identity.CodePage.value_or(1252);
        const std::optional<std::vector<uint8_t>> theirs =
            CompileWithMkgmap(path, folder, *options.FamilyId, *options.CodePage);
        if (!theirs) {
            std::cout << path.filename().string() << ": mkgmap writes no file ("
                      << ReadBytes(folder / "mkgmap.log").substr(0, 300) << ")\n";
            continue;
        }
        std::vector<std::string> ours =
            DescribeDocument(ImportBinaryTyp(CompileTyp(source, options).Bytes).Document);
        std::vector<std::string> peer = DescribeDocument(ImportBinaryTyp(*theirs).Document);
        CompareDescriptions(path.filename().string(), std::move(ours), std::move(peer));
    }
    fs::remove_all(folder);
}

// Each compiled corpus file, saved as text by Velmora and compiled again by mkgmap (the file's
// family id and code page), imports into the document of the file itself, except where mkgmap
// cannot write what the file holds (the known differences above).
TEST(CompilerPeer, CompiledFilesSavedAsTextCompileBackWithMkgmapIntoTheSameDocument) {
    const fs::path corpus(VELMORA_CORPUS_DIR);
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "corpus folder " << VELMORA_CORPUS_DIR << " is absent";
    if (!HasProgram("mkgmap")) GTEST_SKIP() << "mkgmap is not installed";
    const fs::path folder = fs::temp_directory_path() / ("velmora-saved-peer-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(corpus))
        if (entry.path().extension() == ".typ") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::string bytes = ReadBytes(path);
        const TypDocument original =
            ImportBinaryTyp(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())).Document;
        const fs::path text = folder / (path.stem().string() + ".txt");
        {
            std::ofstream out(text, std::ios::binary);
            out << WriteTextTyp(original, "date");
        }
        const CompileOptions identity = HeaderIdentity(original.HeaderLines);
        // mkgmap takes no family id 0 (M00000.typ has one): such a file is compiled with id 1 and its
        // header is not compared.
        const bool familyZero = identity.FamilyId.value_or(6276) == 0;
        const std::optional<std::vector<uint8_t>> theirs =
            CompileWithMkgmap(text, folder / "out", familyZero ? 1 : identity.FamilyId.value_or(6276),
                              identity.CodePage.value_or(1252));
        ASSERT_TRUE(theirs) << ReadBytes(folder / "out" / "mkgmap.log").substr(0, 300);
        std::vector<std::string> ours = DescribeDocument(original);
        std::vector<std::string> peer = DescribeDocument(ImportBinaryTyp(*theirs).Document);
        if (familyZero) {
            std::cout << path.filename().string() << ": family id 0, which mkgmap does not write\n";
            peer.front() = ours.front();
        }
        CompareDescriptions(path.filename().string(), std::move(ours), std::move(peer));
    }
    fs::remove_all(folder);
}

// Small inputs compiled by Velmora and by mkgmap (family id 20011, code page 1252) give the same
// record, labels and font byte included, and the same draw-order table.
TEST(CompilerPeer, SmallInputsGiveMkgmapsRecordsAndDrawOrder) {
    if (!HasProgram("mkgmap")) GTEST_SKIP() << "mkgmap is not installed";
    const fs::path folder = fs::temp_directory_path() / ("velmora-small-peer-" + std::to_string(::getpid()));
    const std::string rows25 = [] {
        std::string rows;
        for (int i = 0; i < 25; ++i)
            rows += "\"" + std::string(25, '!') + "\"\r\n";
        return rows;
    }();
    // A point that shows only its label, as three of openfietsmap-lite.txt.
    auto labelOnly = [&](const std::string& type, const std::string& font) {
        return "[_point]\r\n" + type + "String1=0x04,Golf course\r\nString2=0x03,golfterrein\r\n" +
               "ExtendedLabels=Y\r\nFontStyle=" + font + "\r\nCustomColor=No\r\n" +
               "DayXpm=\"25 25 1 1\"   Colormode=32\r\n\"!\tc #000000\"  alpha=15\r\n" + rows25 + "[end]\r\n";
    };
    const struct {
        const char* Name;
        int Kind;
        std::string Text;
    } cases[] = {
        {"LabelsWithoutLanguageCode", KindPoint,
         "[_point]\r\nType=0x2e\r\nString=Suburb\r\nString2=0x04,Town\r\nDayXpm=\"4 2 2 1\"\r\n\"! c "
         "#FF0000\"\r\n\"# c #00FF00\"\r\n\"!#!#\"\r\n\"#!#!\"\r\n[end]\r\n"},
        {"LabelWithoutLanguageCodeOfALine", KindLine,
         "[_line]\r\nType=0x01\r\nString1=Small Town / Suburb\r\nLineWidth=2\r\nXpm=\"0 0 1 "
         "0\"\r\n\"a c #112233\"\r\n[end]\r\n"},
        {"LabelOnlyPointSmallFont", KindPoint, labelOnly("Type=0x02d\r\nSubType=0x05\r\n", "SmallFont")},
        {"LabelOnlyPointNoLabel", KindPoint,
         labelOnly("Type=0x065\r\nSubType=0x13\r\n", "NoLabel (invisible)")},
        {"LabelOnlyPointByDayAndNight", KindPoint,
         "[_point]\r\nType=0x2e\r\nString1=0x04,Only\r\nFontStyle=SmallFont\r\nDayXpm=\"4 2 1 "
         "1\"\r\n\"! c #000000\" alpha=15\r\n\"!!!!\"\r\n\"!!!!\"\r\nNightXpm=\"4 2 1 1\"\r\n\"! c "
         "#000000\" alpha=15\r\n\"!!!!\"\r\n\"!!!!\"\r\n[end]\r\n"},
        {"DrawOrderListingTypesTwice", -1,
         "[_drawOrder]\r\nType=0x4c,3\r\nType=0x01,1\r\nType=0x10112,2\r\nType=0x10113,2\r\nType=0x1,1\r\n"
         "Type=0x10112,2\r\nType=0x02,2\r\n[end]\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const fs::path source = folder / (std::string(c.Name) + ".txt");
        fs::create_directories(folder);
        const std::string text = "[_id]\r\nProductCode=1\r\nFID=20011\r\nCodePage=1252\r\n[end]\r\n" + c.Text;
        std::ofstream(source, std::ios::binary) << text;
        const std::optional<std::vector<uint8_t>> theirs =
            CompileWithMkgmap(source, folder / "out", 20011, 1252);
        ASSERT_TRUE(theirs) << ReadBytes(folder / "out" / "mkgmap.log").substr(0, 300);
        TypDocument doc;
        LoadTextTypDocument(text, doc);
        const CompileResult ours = CompileTyp(doc);
        EXPECT_TRUE(ours.Warnings.empty()) << ours.Warnings.front();
        if (c.Kind < 0) {
            EXPECT_EQ(DrawOrderBytes(ours.Bytes), DrawOrderBytes(*theirs));
            continue;
        }
        EXPECT_EQ(Records(ours.Bytes, c.Kind), Records(*theirs, c.Kind));
        const BinaryImportResult readBack = ImportBinaryTyp(ours.Bytes), peerBack = ImportBinaryTyp(*theirs);
        const TGarminObject& read = *readBack.Document.List(c.Kind).at(0);
        const TGarminObject& peer = *peerBack.Document.List(c.Kind).at(0);
        EXPECT_FALSE(read.Labels.empty());
        EXPECT_EQ(read.Labels, peer.Labels);
        EXPECT_EQ(read.FontStyle, peer.FontStyle);
    }
    fs::remove_all(folder);
}

// A compiled file with Cyrillic labels, imported and saved as text, compiles with mkgmap into the
// same labels: the import's header names the code page as mkgmap reads it ("CodePage=").
TEST(CompilerPeer, ImportedCodePageIsReadByMkgmap) {
    if (!HasProgram("mkgmap")) GTEST_SKIP() << "mkgmap is not installed";
    const fs::path folder =
        fs::temp_directory_path() / ("velmora-codepage-peer-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    TypDocument source;
    LoadTextTypDocument("[_id]\nFID=20011\nCodePage=1251\n[end]\n[_polygon]\nType=0x01\nString1=0x19,"
                        "\xCB\xE5\xF1\nString2=0x04,Forest\nXpm=\"0 0 1 0\"\n\"a c #112233\"\n[end]\n",
                        source);
    const TypDocument imported = ImportBinaryTyp(CompileTyp(source).Bytes).Document;
    EXPECT_NE(std::find(imported.HeaderLines.begin(), imported.HeaderLines.end(), "CodePage=1251"),
              imported.HeaderLines.end());
    const fs::path text = folder / "imported.txt";
    std::ofstream(text, std::ios::binary) << WriteTextTyp(imported, "date");
    const std::optional<std::vector<uint8_t>> theirs = CompileWithMkgmap(text, folder / "out", 20011, 1251);
    ASSERT_TRUE(theirs) << ReadBytes(folder / "out" / "mkgmap.log").substr(0, 300);
    EXPECT_EQ(ImportBinaryTyp(*theirs).Document.PolygonList.at(0)->Labels,
              imported.PolygonList.at(0)->Labels);
    fs::remove_all(folder);
}

} // namespace
} // namespace velmora::test
