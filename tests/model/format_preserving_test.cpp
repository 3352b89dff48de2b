// Saving a style read from text gives back its text: an unedited save differs from the file only in
// the program's head lines, and an edit changes only the lines of what was edited.
#include "model/text_format.h"
#include "model/texts1251.h"
#include "model/utf8.h"
#include "text_test_support.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::CorpusTextFiles;
using test::Load;
using test::OnPath;

std::string Save(const TypDocument& doc) {
    return WriteTextTyp(doc, test::FixedDate);
}

// The text after the byte-order mark and the three head lines of a saved file.
std::string_view AfterHead(std::string_view text) {
    if (text.starts_with(Utf8ByteOrderMark)) text.remove_prefix(Utf8ByteOrderMark.size());
    for (int line = 0; line < 3; ++line) {
        const size_t end = text.find_first_of("\r\n");
        if (end == std::string_view::npos) return {};
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return text;
}

// The text of a document's file after its byte-order mark and an earlier save's head lines.
std::string_view SourceBody(const TypDocument& doc) {
    return std::string_view(doc.Source->Text).substr(doc.Source->HeadEnd);
}

// Lines with their line ends.
std::vector<std::string_view> LinesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find_first_of("\r\n");
        end = end == std::string_view::npos ? text.size() : end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return lines;
}

// The number of lines a line diff shows: removed plus added.
size_t ChangedLines(std::string_view before, std::string_view after) {
    const auto a = LinesOf(before);
    const auto b = LinesOf(after);
    size_t prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    const size_t n = a.size() - prefix - suffix;
    const size_t m = b.size() - prefix - suffix;
    std::vector<size_t> row(m + 1, 0), next(m + 1, 0);
    for (size_t i = n; i-- > 0;) {
        for (size_t j = m; j-- > 0;)
            row[j] = a[prefix + i] == b[prefix + j] ? next[j + 1] + 1 : std::max(next[j], row[j + 1]);
        std::swap(row, next);
    }
    return n + m - 2 * next[0];
}

TEST(FormatPreserving, UneditedSaveOfEveryCorpusFileDiffersOnlyInTheHeadLines) {
    const auto files = CorpusTextFiles();
    if (files.empty()) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const std::string source = ReadWholeFile(file.string());
        const TypDocument doc = Load(source);
        const std::string saved = Save(doc);
        EXPECT_EQ(saved.starts_with(Utf8ByteOrderMark), source.starts_with(Utf8ByteOrderMark));
        EXPECT_TRUE(AfterHead(saved) == SourceBody(doc)) << "the saved file differs beyond its head lines";
        // Saved again, it replaces its own head lines and nothing else.
        EXPECT_EQ(Save(Load(saved)), saved);
    }
}

template <typename Predicate> TGarminObject* FindObject(TypDocument& doc, Predicate predicate) {
    for (int kind : {KindPoint, KindLine, KindPolygon})
        for (auto& object : doc.List(kind))
            if (predicate(*object)) return object.get();
    return nullptr;
}

// --- Line ends and spellings ---

TEST(FormatPreserving, KeepsEachLinesEndAndGivesNewLinesTheEndsAroundThem) {
    const std::string source = ReadWholeFile(VELMORA_TEST_DATA_DIR "/line_ends.txt");
    TypDocument doc = Load(source);
    // Unedited: every line keeps its end, CR LF, LF and CR alike; the head lines take the first line's.
    const std::string saved = Save(doc);
    EXPECT_EQ(AfterHead(saved), source);
    EXPECT_NE(saved.find(std::string(VersionText) + "\r\n;"), std::string::npos);

    // An edited line keeps its own end; a line the object did not have takes the end of the line it
    // follows.
    TGarminObject& line = *doc.LineList.at(0);
    line.LineWidth = 4;
    line.BorderWidth = 2;
    line.Labels.push_back("0x04,Road");
    EXPECT_EQ(AfterHead(Save(doc)),
              "; a style whose lines end three ways\r\n[_id]\r\nFID=1\n[end]\r\n\r\n[_line]\r\nType=0x01\n"
              "string1=0x04,Road\nLineWidth=4\rBorderWidth=2\r\nXpm=\"0 0 1 0\"\n\"a c #FF0000\"\r\n[end]\n\n"
              "[_polygon]\nType=0x02\r\nXpm=\"0 0 1 0\"\r\n\"b c #00ff00\"\r\n[end]\r\n");
}

// Each changed value is written into the line that held it, in that line's spelling.
TEST(FormatPreserving, WritesAChangedValueInTheSpellingOfItsLine) {
    const struct {
        std::string_view Name;
        std::string_view Before;
        std::function<void(TGarminObject&)> Edit;
        std::string_view After;
    } cases[] = {
        {"width", "[_line]\nType=0x01\n  LineWidth = 3  \nXpm=\"0 0 1 0\"\n\"a c #FF0000\"\n[end]\n",
         [](TGarminObject& o) { o.LineWidth = 4; },
         "[_line]\nType=0x01\n  LineWidth = 4  \nXpm=\"0 0 1 0\"\n\"a c #FF0000\"\n[end]\n"},
        {"colour", "[_polygon]\nType=0x01\nXpm=\"0 0 1 0\"\n\"a\tc #ff0000\"  alpha=3\n[end]\n",
         [](TGarminObject& o) { o.Colours[Day][0].SetColour(0x00FF00); },
         "[_polygon]\nType=0x01\nXpm=\"0 0 1 0\"\n\"a\tc #00ff00\"  alpha=3\n[end]\n"},
        {"alpha key", "[_polygon]\nType=0x01\nXpm=\"0 0 1 0\"\n\"a c #FF0000\"  alpha=3\n[end]\n",
         [](TGarminObject& o) { o.SetColourAlpha(Day, 0, 7); },
         "[_polygon]\nType=0x01\nXpm=\"0 0 1 0\"\n\"a c #FF0000\"  alpha=7\n[end]\n"},
        {"alpha digits", "[_polygon]\nType=0x01\nXpm=\"0 0 1 0\"\n\"a c #FF000080\"\n[end]\n",
         [](TGarminObject& o) { o.SetColourAlpha(Day, 0, AlphaOpaque); },
         "[_polygon]\nType=0x01\nXpm=\"0 0 1 0\"\n\"a c #FF0000FF\"\n[end]\n"},
        {"to none", "[_polygon]\nType=0x01\nXpm=\"0 0 1 0\"\n\"a\tc #FF0000\"\n[end]\n",
         [](TGarminObject& o) { o.Colours[Day][0].TransparentMark = TransparentMarkNone; },
         "[_polygon]\nType=0x01\nXpm=\"0 0 1 0\"\n\"a\tc none\"\n[end]\n"},
        {"pixel",
         "[_polygon]\nType=0x01\nXpm=\"2 2 2 1\"\n\"a c #FF0000\"\n\"b c none\"\n\"ab\"\n\"ba\"};\n[end]\n",
         [](TGarminObject& o) { o.Pixels[Day][1][1] = 'b'; },
         "[_polygon]\nType=0x01\nXpm=\"2 2 2 1\"\n\"a c #FF0000\"\n\"b c none\"\n\"ab\"\n\"bb\"};\n[end]\n"},
        {"pixel of two characters",
         "[_polygon]\nType=0x01\nXpm=\"2 1 2 2\"\n\"ab c #FF0000\"\n\"cd c none\"\n\"abcd\"};\n[end]\n",
         [](TGarminObject& o) { o.Pixels[Day][0][0] = o.Colours[Day][1].Code; },
         "[_polygon]\nType=0x01\nXpm=\"2 1 2 2\"\n\"ab c #FF0000\"\n\"cd c none\"\n\"cdcd\"};\n[end]\n"},
        {"point type of four digits", "[_point]\nType=0x2f06\n[end]\n",
         [](TGarminObject& o) { o.TypeCode = 0x2E, o.SubTypeCode = 0x01; }, "[_point]\nType=0x2e01\n[end]\n"},
        {"point type and subtype", "[_point]\nType=0x2F\nSubType=0x06\n[end]\n",
         [](TGarminObject& o) { o.TypeCode = 0x2E, o.SubTypeCode = 0x01; },
         "[_point]\nType=0x2E\nSubType=0x01\n[end]\n"},
        {"line type with subtype line", "[_line]\nType=0x06\nSubType=0x06\nLineWidth=1\n[end]\n",
         [](TGarminObject& o) { o.TypeCode = 0x07; }, "[_line]\nType=0x07\nLineWidth=1\n[end]\n"},
        {"label added", "[_point]\nType=0x2f06\nString1=0x04,Bank\n;about the bank\nXpm=\"0 0 0 0\"\n[end]\n",
         [](TGarminObject& o) { o.Labels.push_back("0x02,Bank"); },
         "[_point]\nType=0x2f06\nString1=0x04,Bank\n;about the bank\nString2=0x02,Bank\nXpm=\"0 0 0 "
         "0\"\n[end]\n"},
        {"label changed and removed", "[_point]\nType=0x2f06\nString=0x04,Bank\nString=0x02,Bank\n[end]\n",
         [](TGarminObject& o) { o.Labels = {"0x04,Post"}; },
         "[_point]\nType=0x2f06\nString=0x04,Post\n[end]\n"},
        {"font", "[_point]\nType=0x2f06\nFontStyle=NoLabel (invisible)\n[end]\n",
         [](TGarminObject& o) { o.FontStyle = FontSmall; },
         "[_point]\nType=0x2f06\nFontStyle=SmallFont\n[end]\n"},
        {"font added", "[_point]\nType=0x2f06\nString1=0x04,Bank\n[end]\n",
         [](TGarminObject& o) { o.FontStyle = FontLarge; },
         "[_point]\nType=0x2f06\nString1=0x04,Bank\nFontStyle=LargeFont\n[end]\n"},
        {"label colour", "[_point]\nType=0x2f06\nDaycustomColor:#0000ff\n[end]\n",
         [](TGarminObject& o) { o.DayLabelColour = 0x00FF00; },
         "[_point]\nType=0x2f06\nDaycustomColor:#00ff00\n[end]\n"},
        // A resized bitmap has no lines to go into: the object is written in the program's form at its
        // place, its comment kept.
        {"resized", "; the dot\n\n[_polygon]\nType=0x01\nXpm=\"1 1 1 1\"\n\"a c #FF0000\"\n\"a\"};\n[end]\n",
         [](TGarminObject& o) {
             o.XpmHeader[Day].Width = 2;
             o.Pixels[Day][0] = "aa";
         },
         "; the dot\n\n[_polygon]\nType=0x01\nXPM=\"2 1 1 1\"\n\"a c #FF0000\"\n\"aa\"};\n[end]\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TypDocument doc = Load(c.Before);
        TGarminObject* object = FindObject(doc, [](const TGarminObject&) { return true; });
        ASSERT_NE(object, nullptr);
        c.Edit(*object);
        EXPECT_EQ(AfterHead(Save(doc)), c.After);
        // Undone, the object is its text again.
        TypDocument undone = Load(c.Before);
        TGarminObject* again = FindObject(undone, [](const TGarminObject&) { return true; });
        const TGarminObject read = *again;
        c.Edit(*again);
        *again = read;
        EXPECT_EQ(AfterHead(Save(undone)), c.Before);
    }
}

TEST(FormatPreserving, PlacesNewObjectsAfterTheLastOfTheirKindAndHeaderLinesWhereEdited) {
    const std::string source = "[_id]\n\tFID=1\n[end]\n\n[_polygon]\nType=0x01\nXpm=\"0 0 0 0\"\n[end]\n\n"
                               "; the road\n[_line]\nType=0x02\nLineWidth=1\n[end]\n\n"
                               "[_polygon]\nType=0x03\nXpm=\"0 0 0 0\"\n[end]\n";
    TypDocument doc = Load(source);
    auto polygon = std::make_unique<TGarminObject>();
    polygon->Kind = KindPolygon;
    polygon->TypeCode = 0x04;
    doc.PolygonList.push_back(std::move(polygon));
    auto point = std::make_unique<TGarminObject>();
    point->Kind = KindPoint;
    point->TypeCode = 0x2F;
    doc.PointList.push_back(std::move(point));
    doc.LineList.clear(); // its comment goes with it
    doc.HeaderLines.at(1) = "FID=2";
    doc.HeaderLines.insert(doc.HeaderLines.begin() + 2, "ProductCode=1");
    EXPECT_EQ(AfterHead(Save(doc)),
              "[_id]\n\tFID=2\nProductCode=1\n[end]\n\n[_polygon]\nType=0x01\nXpm=\"0 0 0 0\"\n"
              "[end]\n\n[_polygon]\nType=0x03\nXpm=\"0 0 0 0\"\n[end]\n"
              "\n[_polygon]\nType=0x04\nXPM=\"0 0 0 0\"\n[end]\n"
              "\n[_point]\nType=0x2F\nSubType=0x00\n[end]\n");
}

// A number that does not convert stops the reading; the text not read stays in the file when the
// objects read before it are saved.
TEST(FormatPreserving, KeepsTheTextAfterANumberThatDoesNotConvert) {
    const std::string source =
        "[_line]\nType=0x01\nLineWidth=1\n[end]\n[_line]\nType=0x02\nLineWidth=x\n[end]\n; end\n";
    TypDocument doc;
    EXPECT_THROW(LoadTextTypDocument(source, doc), ConversionError);
    EXPECT_EQ(doc.LineList.size(), 1u);
    EXPECT_EQ(AfterHead(Save(doc)), source);
}

// --- One edit of each kind over the corpus ---

// Where an edit may change the text: the span of one object (replaced, or removed), a point where a
// new object goes in, or one header line.
struct Change {
    enum Kind { Replaced, Removed, Inserted, HeaderLine } What;
    size_t Begin = 0;
    size_t End = 0;
};

std::optional<Change> Replaced(const TGarminObject* object) {
    if (!object) return std::nullopt;
    return Change{Change::Replaced, object->Source.Begin, object->Source.End};
}

// After the last object of the kind, or at the end of the text when there is none.
size_t InsertionPoint(const TypDocument& doc, int kind) {
    const ObjectList& list = doc.List(kind);
    return list.empty() ? doc.Source->TailBegin : list.back()->Source.End;
}

std::optional<Change> Append(TypDocument& doc, std::unique_ptr<TGarminObject> object) {
    const size_t at = InsertionPoint(doc, object->Kind);
    doc.List(object->Kind).push_back(std::move(object));
    return Change{Change::Inserted, at, at};
}

bool HasBitmap(const TGarminObject& object) {
    const TXpmHeader& header = object.XpmHeader[Day];
    return header.Width > 0 && header.Height > 0 && header.ColourCount >= 2 &&
           object.Colours[Day].size() >= 2;
}

const struct EditCase {
    const char* Name;
    std::function<std::optional<Change>(TypDocument&)> Apply;
} Edits[] = {
    {"paint",
     [](TypDocument& doc) {
         TGarminObject* object = FindObject(doc, HasBitmap);
         if (object) {
             char& pixel = object->Pixels[Day][0][0];
             pixel = pixel == object->Colours[Day][0].Code ? object->Colours[Day][1].Code
                                                           : object->Colours[Day][0].Code;
         }
         return Replaced(object);
     }},
    {"colour",
     [](TypDocument& doc) {
         TGarminObject* object = FindObject(doc, [](const TGarminObject& o) {
             return o.XpmHeader[Day].ColourCount > 0 && !o.Colours[Day].empty() &&
                    !o.Colours[Day][0].IsTransparent();
         });
         if (object) object->Colours[Day][0].SetColour(object->Colours[Day][0].Colour() ^ 0x203040);
         return Replaced(object);
     }},
    {"width",
     [](TypDocument& doc) {
         TGarminObject* object = FindObject(
             doc, [](const TGarminObject& o) { return o.Kind == KindLine && o.XpmHeader[Day].Width == 0; });
         if (object) ++object->LineWidth;
         return Replaced(object);
     }},
    {"label",
     [](TypDocument& doc) {
         TGarminObject* object = FindObject(doc, [](const TGarminObject&) { return true; });
         if (object) object->Labels.push_back("0x04,Added label");
         return Replaced(object);
     }},
    {"font",
     [](TypDocument& doc) {
         TGarminObject* object = FindObject(doc, [](const TGarminObject&) { return true; });
         if (object) object->FontStyle = object->FontStyle == FontSmall ? FontLarge : FontSmall;
         return Replaced(object);
     }},
    {"retype",
     [](TypDocument& doc) {
         TGarminObject* object = FindObject(doc, [](const TGarminObject& o) { return o.Kind == KindPoint; });
         if (object) {
             object->TypeCode = object->TypeCode == 0x64 ? 0x65 : 0x64;
             object->SubTypeCode = 0x0A;
         }
         return Replaced(object);
     }},
    {"delete",
     [](TypDocument& doc) -> std::optional<Change> {
         ObjectList& list = doc.PolygonList.empty() ? doc.LineList : doc.PolygonList;
         if (list.empty()) return std::nullopt;
         const Change change{Change::Removed, list.front()->Source.Begin, list.front()->Source.End};
         list.erase(list.begin());
         return change;
     }},
    {"create",
     [](TypDocument& doc) {
         auto object = std::make_unique<TGarminObject>();
         object->Kind = KindPolygon;
         object->TypeCode = 0x4A;
         object->Labels = {"0x04,New area"};
         test::SetBitmap(*object, Day, {0, 0, 1, 0}, {test::Colour('a', 0x12, 0x34, 0x56)}, {});
         return Append(doc, std::move(object));
     }},
    {"paste",
     [](TypDocument& doc) -> std::optional<Change> {
         TGarminObject* object = FindObject(doc, [](const TGarminObject&) { return true; });
         if (!object) return std::nullopt;
         // The clipboard carries the object's content, not the text it was read from.
         auto pasted = std::make_unique<TGarminObject>(*object);
         pasted->Source = {};
         return Append(doc, std::move(pasted));
     }},
    {"header",
     [](TypDocument& doc) -> std::optional<Change> {
         for (std::string& line : doc.HeaderLines)
             if (line.size() >= 4 && (line.starts_with("FID") || line.starts_with("fid"))) {
                 line = "FID=999";
                 return Change{Change::HeaderLine};
             }
         return std::nullopt;
     }},
};

// The saved body is the source body with only the change's part replaced.
void ExpectOnlyTheChange(std::string_view source, size_t headEnd, std::string_view saved,
                         const Change& change) {
    if (change.What == Change::HeaderLine) {
        EXPECT_EQ(ChangedLines(source.substr(headEnd), saved), 2u);
        return;
    }
    const std::string_view before = source.substr(headEnd, change.Begin - headEnd);
    const std::string_view after = source.substr(change.End);
    EXPECT_TRUE(saved.starts_with(before)) << "a line before the change differs";
    EXPECT_TRUE(saved.ends_with(after)) << "a line after the change differs";
    EXPECT_GE(saved.size(), before.size() + after.size());
    if (change.What == Change::Removed) {
        EXPECT_EQ(saved.size(), before.size() + after.size());
    } else if (change.What == Change::Inserted) {
        EXPECT_GT(saved.size(), before.size() + after.size());
    }
}

TEST(FormatPreserving, EachEditChangesOnlyItsOwnLines) {
    const auto files = CorpusTextFiles();
    if (files.empty()) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    std::cout << "changed lines (removed + added) beside the head lines:\n";
    for (const fs::path& file : files) {
        const std::string source = ReadWholeFile(file.string());
        const TypDocument unedited = Load(source);
        std::cout << "  " << file.filename().string() << ": unedited "
                  << ChangedLines(SourceBody(unedited), AfterHead(Save(unedited)));
        for (const EditCase& edit : Edits) {
            SCOPED_TRACE(file.filename().string() + ", " + edit.Name);
            TypDocument doc = Load(source);
            const std::optional<Change> change = edit.Apply(doc);
            if (!change) {
                std::cout << ", " << edit.Name << " -";
                continue;
            }
            const std::string saved = Save(doc);
            const std::string_view body = AfterHead(saved);
            ExpectOnlyTheChange(doc.Source->Text, doc.Source->HeadEnd, body, *change);
            std::cout << ", " << edit.Name << " " << ChangedLines(SourceBody(doc), body);
            // The saved file reads back as the edited document.
            const TypDocument back = Load(saved);
            EXPECT_EQ(Save(test::InProgramsForm(back)), Save(test::InProgramsForm(doc)));
        }
        std::cout << "\n";
    }
}

// Zeroes the creation date of a compiled file (bytes 14 to 20).
std::string CompiledWithoutDate(const fs::path& file) {
    std::string bytes = ReadWholeFile(file.string());
    for (size_t i = 14; i <= 20 && i < bytes.size(); ++i)
        bytes[i] = 0;
    return bytes;
}

// The map compiler compiles an edited save as it compiles the same edited document in the program's
// own form, whose compilation the corpus tests tie to the source's: every edit above at once, one
// file per corpus file, since the compiler's start costs more than its work. And files of UTF-8 text,
// compiled with code page 65001 as map makers with labels in several scripts compile them, compile
// saved as their sources do.
TEST(FormatPreserving, SavesCompileAsTheDocumentSays) {
    const auto files = CorpusTextFiles();
    if (files.empty()) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    const fs::path mkgmap = OnPath("mkgmap");
    if (mkgmap.empty()) GTEST_SKIP() << "mkgmap is not on PATH";
    const fs::path folder = fs::temp_directory_path() / ("velmora-edits-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    std::vector<std::pair<fs::path, fs::path>> pairs;
    for (const bool utf8Run : {false, true}) {
        const fs::path run = folder / (utf8Run ? "65001" : "named");
        fs::create_directories(run);
        std::string command = "cd '" + run.string() + "' && '" + mkgmap.string() +
                              "' --family-id=777 --keep-going" + (utf8Run ? " --code-page=65001" : "");
        for (const fs::path& file : files) {
            const std::string source = ReadWholeFile(file.string());
            TypDocument doc = Load(source);
            if (utf8Run && !doc.Utf8) continue;
            const std::string stem = file.stem().string();
            std::string other = source;
            if (!utf8Run) {
                for (const EditCase& edit : Edits)
                    edit.Apply(doc);
                other = Save(test::InProgramsForm(doc));
            }
            WriteFileAtomically((run / (stem + "_saved.txt")).string(), Save(doc));
            WriteFileAtomically((run / (stem + ".txt")).string(), other);
            command += " '" + stem + "_saved.txt' '" + stem + ".txt'";
            pairs.emplace_back(run / (stem + "_saved.typ"), run / (stem + ".typ"));
        }
        command += " > compiler.log 2>&1";
        ASSERT_NE(std::system(command.c_str()), -1);
    }
    for (const auto& [saved, other] : pairs) {
        SCOPED_TRACE(saved.string());
        ASSERT_TRUE(fs::exists(other)) << "the compiler refused the file compared with";
        ASSERT_TRUE(fs::exists(saved)) << "the compiler refused the saved file";
        EXPECT_TRUE(CompiledWithoutDate(saved) == CompiledWithoutDate(other)) << "compiled files differ";
    }
    fs::remove_all(folder);
}

} // namespace
} // namespace velmora
