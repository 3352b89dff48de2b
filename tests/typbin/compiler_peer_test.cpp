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

// The draw order of a header description with its levels ranked (1, 2, 3, ... without gaps) and the
// extended subtypes of one type and level reduced to the lowest, beside the rest of the header.
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
    long rank = 0, lastLevel = -1, lastExtended = -1;
    for (const auto& [level, code] : entries) {
        if (level != lastLevel) ++rank, lastLevel = level, lastExtended = -1;
        if (code >= 0x10000) {
            if (code >> 8 == lastExtended) continue;
            lastExtended = code >> 8;
        }
        ranked += " " + std::to_string(code) + ":" + std::to_string(rank);
    }
    return ranked;
}

const KnownDifference KnownDifferences[] = {
    // mkgmap closes the gaps between draw levels, starts a draw order that has a level 0 at level 2,
    // and gathers the subtypes of one extended polygon type and level into one entry, of which the
    // import reads the lowest subtype only. The order of the levels is the same.
    {"mkgmap renumbers the draw levels or gathers extended subtypes into one entry",
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

} // namespace
} // namespace velmora::test
