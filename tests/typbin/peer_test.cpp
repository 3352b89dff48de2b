// The real peer test: text TYP files compiled by Debian's mkgmap and imported again must show what
// their text says, object by object.
#include "typbin_test_support.h"

#include "model/text_format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <unistd.h>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::optional<fs::path> FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (size_t start = 0; start <= folders.size();) {
        const size_t end = std::min(folders.find(':', start), folders.size());
        const fs::path candidate = fs::path(folders.substr(start, end - start)) / name;
        if (!candidate.empty() && ::access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return std::nullopt;
}

// Compiles source in folder; the compiler writes the source's base name + ".typ" there.
std::optional<fs::path> Compile(const fs::path& source, const fs::path& folder) {
    fs::copy_file(source, folder / source.filename(), fs::copy_options::overwrite_existing);
    const std::string command = "cd '" + folder.string() + "' && mkgmap --family-id=777 --code-page=1252 '" +
                                source.filename().string() + "' > mkgmap.log 2>&1";
    const fs::path output = folder / (source.stem().string() + ".typ");
    if (std::system(command.c_str()) != 0 || !fs::exists(output)) return std::nullopt;
    return output;
}

// An object as the compiler files it: kind, packed type and subtype.
struct Key {
    int Kind = 0;
    uint32_t Type = 0;
    uint32_t SubType = 0;
    auto operator<=>(const Key&) const = default;
};

std::string KeyText(const Key& key) {
    static const char* kinds[] = {"point", "line", "polygon"};
    char text[64];
    std::snprintf(text, sizeof text, "%s 0x%X/0x%02X", kinds[key.Kind], key.Type, key.SubType);
    return text;
}

// A point type the text reader kept whole (0x2a01, 0x11003) is split as the compiler splits it: type
// in the high bits, subtype in the low byte, which a SubType line overrides. Lines and polygons
// hold a subtype folded into TypeCode.
Key KeyOfText(const TGarminObject& object) {
    const uint32_t largestWhole = object.Kind == KindPoint ? 0x1FF : 0xFF;
    if (object.TypeCode > largestWhole)
        return {object.Kind, object.TypeCode >> 8,
                object.SubTypeCode ? object.SubTypeCode : object.TypeCode & 0xFF};
    return {object.Kind, object.TypeCode, object.SubTypeCode};
}

// The import holds a point's type and subtype apart, and folds the subtype of a line or polygon.
Key KeyOfCompiled(const TGarminObject& object) {
    if (object.Kind == KindPoint) return {object.Kind, object.TypeCode, object.SubTypeCode};
    // Lines and polygons hold type * 256 + subtype for every extended type and subtype.
    if (object.TypeCode > 0xFF) return {object.Kind, object.TypeCode >> 8, object.TypeCode & 0xFF};
    return {object.Kind, object.TypeCode, 0};
}

// What a pixel shows: a colour, transparency, or no entry of the table at all.
constexpr int64_t Transparent = -1, NoEntry = -2;

// A colour that is not transparent shows with its alpha (bits 24 to 27).
int64_t Shown(const TColourEntry& entry, uint8_t alpha = AlphaOpaque) {
    if (entry.IsTransparent() || alpha == AlphaTransparent) return Transparent;
    return int64_t(entry.Colour()) | int64_t(alpha) << 24;
}

int64_t ShownByCode(const TGarminObject& object, int view, char code) {
    const auto& table = object.Colours[size_t(view)];
    for (size_t i = 0; i < object.XpmHeader[size_t(view)].ColourCount && i < table.size(); ++i)
        if (table[i].Code == code) return Shown(table[i], object.ColourAlpha(view, i));
    return NoEntry;
}

using Picture = std::vector<std::vector<int64_t>>;

// Points show their own table in each variant.
Picture PointPicture(const TGarminObject& object, int view) {
    Picture picture;
    const TXpmHeader& header = object.XpmHeader[size_t(view)];
    if (header.Width == 0) return picture;
    for (size_t r = 0; r < header.Height && r < object.Pixels[size_t(view)].size(); ++r) {
        picture.emplace_back();
        for (char code : object.Pixels[size_t(view)][r])
            picture.back().push_back(ShownByCode(object, view, code));
    }
    return picture;
}

// Lines and polygons: a pixel is coded as entry 0 or 1; by night it shows the entry two further on
// when the table holds a night pair.
Picture PairPicture(const TGarminObject& object, bool night) {
    Picture picture;
    const auto& table = object.Colours[Day];
    const size_t count = std::min<size_t>(object.XpmHeader[Day].ColourCount, table.size());
    const size_t nightShift = night && count > 2 ? 2 : 0;
    for (const std::string& row : object.Pixels[Day]) {
        picture.emplace_back();
        for (char code : row) {
            int64_t shown = NoEntry;
            for (size_t i = 0; i < 2 && i < count; ++i)
                if (table[i].Code == code) {
                    shown = i + nightShift < count ? Shown(table[i + nightShift]) : NoEntry;
                    break;
                }
            picture.back().push_back(shown);
        }
    }
    return picture;
}

// A line or polygon without a bitmap: the colours of its day pair and of its night pair.
std::vector<int64_t> SolidColours(const TGarminObject& object, bool night) {
    const auto& table = object.Colours[Day];
    const size_t count = std::min<size_t>(object.XpmHeader[Day].ColourCount, table.size());
    const size_t first = night && count > 2 ? 2 : 0;
    std::vector<int64_t> colours;
    for (size_t i = first; i < first + 2 && i < count; ++i)
        colours.push_back(Shown(table[i]));
    return colours;
}

struct Label {
    long Language = -1;
    std::string Text;
    auto operator<=>(const Label&) const = default;
};

std::vector<Label> AllLabels(const TGarminObject& object) {
    std::vector<Label> labels;
    for (size_t i = 0; i < object.Labels.size(); ++i) {
        const std::string& line = object.Labels[i];
        const size_t comma = line.find(',');
        Label label;
        label.Text = line;
        if (line.rfind("0x", 0) == 0 && comma != std::string::npos) {
            label.Language = std::strtol(line.substr(2, comma - 2).c_str(), nullptr, 16);
            label.Text = line.substr(comma + 1);
        }
        labels.push_back(label);
    }
    return labels;
}

// The compiler reads a UTF-8 source as Unicode and writes its labels in code page 1252, while the
// text reader keeps the bytes of the source: the UTF-8 text in code page 1252, or none when it is
// not UTF-8 or holds a character that code page lacks (then lacking is set).
std::optional<std::string> Utf8InCodePage1252(std::string_view text, bool& lacking) {
    lacking = false;
    static const std::map<uint32_t, char> specials = {
        {0x20AC, '\x80'}, {0x201A, '\x82'}, {0x0192, '\x83'}, {0x201E, '\x84'}, {0x2026, '\x85'},
        {0x2020, '\x86'}, {0x2021, '\x87'}, {0x02C6, '\x88'}, {0x2030, '\x89'}, {0x0160, '\x8A'},
        {0x2039, '\x8B'}, {0x0152, '\x8C'}, {0x017D, '\x8E'}, {0x2018, '\x91'}, {0x2019, '\x92'},
        {0x201C, '\x93'}, {0x201D, '\x94'}, {0x2022, '\x95'}, {0x2013, '\x96'}, {0x2014, '\x97'},
        {0x02DC, '\x98'}, {0x2122, '\x99'}, {0x0161, '\x9A'}, {0x203A, '\x9B'}, {0x0153, '\x9C'},
        {0x017E, '\x9E'}, {0x0178, '\x9F'}};
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const uint8_t lead = uint8_t(text[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        if (length == 0 || i + size_t(length) > text.size()) return std::nullopt;
        uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const uint8_t next = uint8_t(text[i + size_t(k)]);
            if ((next >> 6) != 2) return std::nullopt;
            point = point << 6 | (next & 0x3F);
        }
        i += size_t(length);
        if (point < 0x80 || (point >= 0xA0 && point <= 0xFF))
            out += char(point);
        else if (auto special = specials.find(point); special != specials.end())
            out += special->second;
        else
            lacking = true;
    }
    if (lacking) return std::nullopt;
    return out;
}

bool LabelsAgree(const TGarminObject& text, const TGarminObject& compiled, bool& transcoded) {
    std::vector<Label> source = AllLabels(text);
    const std::vector<Label> imported = AllLabels(compiled);
    if (source == imported) return true;
    // The compiler leaves out a label with a character that code page 1252 lacks.
    std::vector<Label> written;
    for (Label& label : source) {
        bool lacking = false;
        const std::optional<std::string> inCodePage = Utf8InCodePage1252(label.Text, lacking);
        if (lacking) continue;
        if (!inCodePage) return false;
        label.Text = *inCodePage;
        written.push_back(label);
    }
    transcoded = written == imported;
    return transcoded;
}

// The ways in which an imported object may differ from the object of the source text.
std::vector<std::string> Differences(const TGarminObject& text, const TGarminObject& compiled,
                                     bool& transcoded) {
    std::vector<std::string> found;
    if (text.Kind == KindPoint) {
        if (PointPicture(text, Day) != PointPicture(compiled, Day)) found.push_back("day picture");
        if (PointPicture(text, Night) != PointPicture(compiled, Night)) found.push_back("night picture");
    } else {
        const bool textBitmap = text.XpmHeader[Day].Width > 0 && text.XpmHeader[Day].Height > 0;
        const bool compiledBitmap = compiled.XpmHeader[Day].Width > 0;
        if (textBitmap != compiledBitmap) {
            found.push_back(compiledBitmap ? "bitmap only in the compiled file" : "bitmap only in the text");
        } else if (textBitmap) {
            if (PairPicture(text, false) != PairPicture(compiled, false)) found.push_back("day picture");
            if (PairPicture(text, true) != PairPicture(compiled, true)) found.push_back("night picture");
        } else {
            if (SolidColours(text, false) != SolidColours(compiled, false)) found.push_back("day colours");
            if (SolidColours(text, true) != SolidColours(compiled, true)) found.push_back("night colours");
        }
    }
    if (!LabelsAgree(text, compiled, transcoded)) found.push_back("labels");
    // The compiler writes a font byte of style 0 where the text gives label colours and no style.
    if (text.FontStyle.value_or(FontDefault) != compiled.FontStyle.value_or(FontDefault))
        found.push_back("font style");
    if (text.DayLabelColour != compiled.DayLabelColour) found.push_back("day label colour");
    if (text.NightLabelColour != compiled.NightLabelColour) found.push_back("night label colour");
    if (text.Kind == KindLine) {
        if ((text.UseOrientation > 0) != (compiled.UseOrientation > 0)) found.push_back("orientation");
        if (text.XpmHeader[Day].Width == 0 &&
            (text.LineWidth != compiled.LineWidth || text.BorderWidth != compiled.BorderWidth))
            found.push_back("widths");
    }
    return found;
}

// Objects whose import differs from their text, each explained.
struct KnownDifference {
    std::string_view File;
    Key Object;
    std::string_view Why;
};

const std::vector<KnownDifference>& KnownDifferences() {
    constexpr std::string_view OneColourShort = "the source's second colour is none: mkgmap writes colour "
                                                "type 7 (two colours) but stores only one, so "
                                                "what follows the colour is read as the second colour";
    constexpr std::string_view DecimalLanguage =
        "the source writes the language without 0x (String=2,...): the text reader keeps the line '2,...' as "
        "it stands, the compiler reads language 2";
    static const std::vector<KnownDifference> known = {
        {"mkgmap-test.txt", {KindPolygon, 0x02, 0x00}, OneColourShort},
        {"mkgmap-test.txt",
         {KindPolygon, 0x03, 0x00},
         "the source paints with '%', a code of the night pair, which a two-colour bitmap cannot hold: "
         "mkgmap "
         "stores those pixels as background"},
        {"opentopomap.txt", {KindPoint, 0x64, 0x13}, DecimalLanguage},
        {"opentopomap.txt", {KindLine, 0x07, 0x00}, DecimalLanguage},
        {"lines.txt",
         {KindLine, 0x07, 0x00},
         "colour type 7 without a bitmap: the import holds the night line colour as entry 1, where the text "
         "holds it as entry 2 of the night pair"},
        {"lines.txt", {KindLine, 0x11, 0x00}, OneColourShort},
    };
    return known;
}

// A point icon of more colours than the import has code characters: the pixels of every colour
// from the last character on show that one colour.
const KnownDifference ManyColours{
    "", {}, "the icon has more colours than the import has code characters (82)"};

bool HasMoreColoursThanCodes(const TGarminObject& text) {
    return text.Kind == KindPoint && (text.XpmHeader[Day].ColourCount > CodeAlphabet.size() ||
                                      text.XpmHeader[Night].ColourCount > CodeAlphabet.size());
}

const KnownDifference* FindKnown(const std::string& file, const Key& key, const TGarminObject* text,
                                 const std::vector<std::string>& found) {
    for (const KnownDifference& known : KnownDifferences())
        if (known.File == file && known.Object == key) return &known;
    const bool picturesOnly = std::all_of(found.begin(), found.end(), [](const std::string& what) {
        return what == "day picture" || what == "night picture";
    });
    if (text && picturesOnly && HasMoreColoursThanCodes(*text)) return &ManyColours;
    return nullptr;
}

struct Agreement {
    int Compared = 0;
    int Agreeing = 0;
    int Transcoded = 0; // agreeing once UTF-8 labels of the source are taken in code page 1252
    int SplitTypes = 0; // text objects whose type above 0xFF the compiler split into type and subtype
    std::vector<std::string> Unexplained;
};

Agreement CompareFile(const fs::path& source, const fs::path& folder) {
    Agreement agreement;
    const std::string name = source.filename().string();
    const std::optional<fs::path> compiledPath = Compile(source, folder);
    if (!compiledPath) {
        agreement.Unexplained.push_back(name + ": the peer compiler wrote no file");
        return agreement;
    }
    const std::string compiledBytes = ReadText(*compiledPath);
    const BinaryImportResult imported = ImportBinaryTyp(
        std::span(reinterpret_cast<const uint8_t*>(compiledBytes.data()), compiledBytes.size()));
    TypDocument text;
    text.HeaderLines.clear();
    std::vector<DayBlockReport> blocks;
    try {
        ReadTextTyp(ReadText(source), text, blocks);
    } catch (const TypError& error) {
        std::cout << "  " << name << ": the text reader stopped: " << error.what() << "\n";
    }

    std::map<Key, std::vector<const TGarminObject*>> fromText, fromCompiled;
    for (int kind = 0; kind < 3; ++kind) {
        for (const auto& object : text.List(kind)) {
            fromText[KeyOfText(*object)].push_back(object.get());
            agreement.SplitTypes += object->TypeCode > 0xFF ? 1 : 0;
        }
        for (const auto& object : imported.Document.List(kind))
            fromCompiled[KeyOfCompiled(*object)].push_back(object.get());
    }
    std::map<Key, int> keys;
    for (const auto& [key, list] : fromText)
        keys[key] = std::max<int>(keys[key], int(list.size()));
    for (const auto& [key, list] : fromCompiled)
        keys[key] = std::max<int>(keys[key], int(list.size()));
    for (const auto& [key, count] : keys) {
        for (int i = 0; i < count; ++i) {
            ++agreement.Compared;
            const auto& t = fromText[key];
            const auto& c = fromCompiled[key];
            std::vector<std::string> found;
            bool transcoded = false;
            if (size_t(i) >= t.size())
                found.push_back("only in the compiled file");
            else if (size_t(i) >= c.size())
                found.push_back("only in the text");
            else
                found = Differences(*t[size_t(i)], *c[size_t(i)], transcoded);
            if (found.empty()) {
                ++agreement.Agreeing;
                agreement.Transcoded += transcoded ? 1 : 0;
                continue;
            }
            std::string what;
            for (const std::string& f : found)
                what += (what.empty() ? "" : ", ") + f;
            const KnownDifference* known = FindKnown(
                name, key, size_t(i) < fromText[key].size() ? fromText[key][size_t(i)] : nullptr, found);
            std::cout << "  " << name << " " << KeyText(key) << ": " << what
                      << (known ? " (known: " + std::string(known->Why) + ")" : " (UNEXPLAINED)") << "\n";
            if (!known) agreement.Unexplained.push_back(name + " " + KeyText(key) + ": " + what);
        }
    }
    return agreement;
}

TEST(CompiledPeer, ImportOfWhatMkgmapCompiledShowsWhatTheTextSays) {
    const fs::path corpus = VELMORA_CORPUS_DIR;
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    if (!FindProgram("mkgmap")) GTEST_SKIP() << "the peer compiler mkgmap is not installed";
    std::vector<fs::path> sources;
    for (const fs::path& folder : {corpus, fs::path(VELMORA_TEST_DATA_DIR) / "peer"})
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".txt") sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end());
    const fs::path work = fs::temp_directory_path() / ("velmora-peer-" + std::to_string(::getpid()));
    fs::create_directories(work);
    std::vector<std::string> unexplained;
    for (const fs::path& source : sources) {
        const fs::path folder = work / source.stem();
        fs::create_directories(folder);
        const Agreement agreement = CompareFile(source, folder);
        std::cout << "peer " << source.filename().string() << ": " << agreement.Compared
                  << " objects compared, " << agreement.Agreeing << " agree";
        if (agreement.SplitTypes > 0)
            std::cout << "; " << agreement.SplitTypes << " matched through the split of a type above 0xFF";
        if (agreement.Transcoded > 0)
            std::cout << "; " << agreement.Transcoded
                      << " agree with the UTF-8 labels of the source in code page 1252";
        std::cout << "\n";
        unexplained.insert(unexplained.end(), agreement.Unexplained.begin(), agreement.Unexplained.end());
    }
    fs::remove_all(work);
    for (const std::string& difference : unexplained)
        ADD_FAILURE() << difference;
}

} // namespace
} // namespace velmora::test
