// The loader decides once whether a file is compiled or text and reads it; velmora-typ and the
// window's document session both load through it.
#include "model/text_format.h"
#include "typbin/binary_import.h"
#include "typbin/document_loader.h"
#include "typbin/typ_compiler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace velmora {
namespace {

namespace fs = std::filesystem;

std::string DataFile(const char* name) {
    return (fs::path(VELMORA_TEST_DATA_DIR) / "loader" / name).string();
}

// A folder of its own with the compiled form of style.txt under several names and cut short.
class DocumentLoaderTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        Folder = fs::temp_directory_path() / ("velmora-loader-" + std::to_string(::getpid()));
        fs::create_directories(Folder);
        TypDocument style;
        LoadTextTypDocument(ReadWholeFile(DataFile("style.txt")), style);
        const std::vector<uint8_t> bytes = CompileTyp(style).Bytes;
        const std::string compiled(bytes.begin(), bytes.end());
        Write("style.typ", compiled);
        Write("compiled.txt", compiled);
        Write("cut.typ", compiled.substr(0, compiled.size() - 12));
    }
    static void TearDownTestSuite() { fs::remove_all(Folder); }
    static void Write(const char* name, const std::string& bytes) {
        std::ofstream(Folder / name, std::ios::binary) << bytes;
    }
    static std::string Temp(const char* name) { return (Folder / name).string(); }
    static inline fs::path Folder;
};

enum class Outcome { Whole, PartialText, CutShort, NotGarminTyp, CannotRead };

struct LoaderCase {
    const char* Name;
    bool Temporary; // one of the compiled files the suite writes, else a file of data/loader
    const char* File;
    KindRule Rule;
    DocumentKind Kind;
    Outcome Expected;
    size_t Objects;
};

class LoaderCaseTest : public DocumentLoaderTest, public testing::WithParamInterface<LoaderCase> {};

TEST_P(LoaderCaseTest, DecidesTheKindOnceAndReadsWhatItCan) {
    const LoaderCase& c = GetParam();
    const std::string path = c.Temporary ? Temp(c.File) : DataFile(c.File);
    std::optional<LoadedDocument> loaded;
    switch (c.Expected) {
    case Outcome::CannotRead:
        EXPECT_THROW(LoadTypFile(path, c.Rule), FileError);
        return;
    case Outcome::NotGarminTyp:
        try {
            LoadTypFile(path, c.Rule);
            ADD_FAILURE() << "a file that is no compiled TYP was imported";
        } catch (const FileError&) {
            ADD_FAILURE() << "the file was not read";
        } catch (const TypError& error) {
            EXPECT_EQ(error.what(), NotGarminTypMessage);
        }
        return;
    default:
        loaded = LoadTypFile(path, c.Rule);
    }
    EXPECT_EQ(loaded->Kind, c.Kind);
    EXPECT_EQ(loaded->ObjectCount(), c.Objects);
    EXPECT_EQ(loaded->ReadWhole(), c.Expected == Outcome::Whole);
    EXPECT_EQ(bool(loaded->PartialError), c.Expected == Outcome::PartialText);
    if (c.Expected == Outcome::CutShort) {
        ASSERT_FALSE(loaded->Warnings.empty());
        EXPECT_EQ(loaded->Warnings[0].rfind("The file ends after ", 0), 0u) << loaded->Warnings[0];
    }
    // The bytes that choose the encoding: the whole text, or the labels of a compiled file.
    if (c.Kind == DocumentKind::Text) {
        EXPECT_EQ(loaded->EncodingSample, ReadWholeFile(path));
    } else if (c.Expected == Outcome::Whole) {
        EXPECT_EQ(loaded->EncodingSample, "0x4,Cafe\n0x4,Road\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoaderCaseTest,
    testing::Values(LoaderCase{"TextByName", false, "style.txt", KindRule::NameOrSignature,
                               DocumentKind::Text, Outcome::Whole, 2},
                    LoaderCase{"CompiledByName", true, "style.typ", KindRule::NameOrSignature,
                               DocumentKind::Compiled, Outcome::Whole, 2},
                    LoaderCase{"CompiledBySignatureUnderTxtName", true, "compiled.txt",
                               KindRule::NameOrSignature, DocumentKind::Compiled, Outcome::Whole, 2},
                    LoaderCase{"CompiledBySignatureOnly", true, "compiled.txt", KindRule::Signature,
                               DocumentKind::Compiled, Outcome::Whole, 2},
                    LoaderCase{"TypNameIsNotCompiledByName", false, "plain.typ", KindRule::NameOrSignature,
                               DocumentKind::Compiled, Outcome::NotGarminTyp, 0},
                    LoaderCase{"TypNameIsTextWhereOnlyTheSignatureCounts", false, "plain.typ",
                               KindRule::Signature, DocumentKind::Text, Outcome::Whole, 0},
                    LoaderCase{"ImportOfAText", false, "style.txt", KindRule::Compiled,
                               DocumentKind::Compiled, Outcome::NotGarminTyp, 0},
                    LoaderCase{"MissingFile", false, "no-such-file.txt", KindRule::NameOrSignature,
                               DocumentKind::Text, Outcome::CannotRead, 0},
                    LoaderCase{"MissingCompiledFile", false, "no-such-file.typ", KindRule::Compiled,
                               DocumentKind::Compiled, Outcome::CannotRead, 0},
                    LoaderCase{"FolderIsNoFile", false, "", KindRule::NameOrSignature, DocumentKind::Text,
                               Outcome::CannotRead, 0},
                    LoaderCase{"TextReadInPart", false, "stops_at_third.txt", KindRule::NameOrSignature,
                               DocumentKind::Text, Outcome::PartialText, 2},
                    // The point's record comes last and is lost with the end of the file.
                    LoaderCase{"CompiledCutShort", true, "cut.typ", KindRule::NameOrSignature,
                               DocumentKind::Compiled, Outcome::CutShort, 1}),
    [](const testing::TestParamInfo<LoaderCase>& info) { return std::string(info.param.Name); });

TEST_F(DocumentLoaderTest, PartialErrorIsTheReadersOwn) {
    const LoadedDocument loaded = LoadTypFile(DataFile("stops_at_third.txt"));
    ASSERT_TRUE(loaded.PartialError);
    EXPECT_THROW(std::rethrow_exception(loaded.PartialError), ConversionError);
}

} // namespace
} // namespace velmora
