#include <iostream>
// Every file of the corpus compiled and imported again: the import gives back the document that
// was compiled. Text files are compared in the form both documents share (colour codes aside);
// compiled files, whose codes the import hands out, field by field.
#include "document_description.h"
#include "typbin_test_support.h"

#include "model/text_format.h"
#include "typbin/typ_compiler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusFiles(const std::string& extension) {
    std::vector<fs::path> files;
    const fs::path folder(VELMORA_CORPUS_DIR);
    if (!fs::is_directory(folder)) return files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == extension) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TypDocument ImportCompiled(const std::vector<uint8_t>& bytes) {
    return ImportBinaryTyp(bytes).Document;
}

void ExpectSameDescription(const TypDocument& expected, const TypDocument& actual, const std::string& file) {
    const std::vector<std::string> want = DescribeDocument(expected);
    const std::vector<std::string> got = DescribeDocument(actual);
    ASSERT_EQ(want.size(), got.size()) << file;
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(want[i], got[i]) << file << ", entry " << i;
}

// The fields of two objects that differ (the magnified matrix aside, which only the view fills).
std::vector<std::string> DifferingFields(const TGarminObject& a, const TGarminObject& b) {
    std::vector<std::string> fields;
    auto check = [&](bool same, const char* name) {
        if (!same) fields.emplace_back(name);
    };
    check(a.Kind == b.Kind, "Kind");
    check(a.TypeCode == b.TypeCode, "TypeCode");
    check(a.SubTypeCode == b.SubTypeCode, "SubTypeCode");
    check(a.UseOrientation == b.UseOrientation, "UseOrientation");
    check(a.Labels == b.Labels, "Labels");
    check(a.LineWidth == b.LineWidth, "LineWidth");
    check(a.BorderWidth == b.BorderWidth, "BorderWidth");
    check(a.XpmHeader == b.XpmHeader, "XpmHeader");
    check(a.Colours == b.Colours, "Colours");
    check(a.Pixels == b.Pixels, "Pixels");
    check(a.FontStyle == b.FontStyle, "FontStyle");
    check(a.DayLabelColour == b.DayLabelColour, "DayLabelColour");
    check(a.NightLabelColour == b.NightLabelColour, "NightLabelColour");
    check(a.Alpha == b.Alpha, "Alpha");
    check(a.KeptLines == b.KeptLines, "KeptLines");
    return fields;
}

// The header lines without the layout mark, which follows the header length the compiler chose.
std::vector<std::string> HeaderWithoutMark(const TypDocument& doc) {
    std::vector<std::string> lines = doc.HeaderLines;
    if (!lines.empty() && lines.front().rfind(";", 0) == 0) lines.erase(lines.begin());
    return lines;
}

TEST(CompilerCorpus, EveryTextFileCompilesIntoTheDocumentItWasReadAs) {
    const std::vector<fs::path> files = CorpusFiles(".txt");
    if (files.empty()) GTEST_SKIP() << "corpus folder " << VELMORA_CORPUS_DIR << " is absent";
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        TypDocument source;
        LoadTextTypDocument(ReadBytes(path), source);
        const CompileResult compiled = CompileTyp(source);
        for (const std::string& warning : compiled.Warnings)
            std::cout << path.filename().string() << ": " << warning << "\n";
        ExpectSameDescription(source, ImportCompiled(compiled.Bytes), path.filename().string());
    }
}

TEST(CompilerCorpus, EveryCompiledFileCompilesIntoTheSameDocumentFieldByField) {
    const std::vector<fs::path> files = CorpusFiles(".typ");
    if (files.empty()) GTEST_SKIP() << "corpus folder " << VELMORA_CORPUS_DIR << " is absent";
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::string bytes = ReadBytes(path);
        const TypDocument source = ImportCompiled(std::vector<uint8_t>(bytes.begin(), bytes.end()));
        const CompileResult compiled = CompileTyp(source);
        const TypDocument again = ImportCompiled(compiled.Bytes);
        EXPECT_EQ(HeaderWithoutMark(source), HeaderWithoutMark(again));
        for (int kind : {KindPoint, KindLine, KindPolygon}) {
            ASSERT_EQ(source.List(kind).size(), again.List(kind).size());
            for (size_t i = 0; i < source.List(kind).size(); ++i)
                EXPECT_EQ(DifferingFields(*source.List(kind)[i], *again.List(kind)[i]),
                          std::vector<std::string>{})
                    << CompiledObjectName(*source.List(kind)[i]);
        }
        // What the compiler writes, it writes again from its own import.
        EXPECT_EQ(CompileTyp(again).Bytes, compiled.Bytes);
    }
}

} // namespace
} // namespace velmora::test
