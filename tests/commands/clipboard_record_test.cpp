#include "commands/clipboard_record.h"

#include "commands/edit_commands.h"
#include "commands/new_object.h"
#include "model/text_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace velmora {
namespace {

// The label block as written: line count, then length and bytes per line.
size_t LabelBlockSize(const std::vector<std::string>& labels) {
    size_t size = 4;
    for (const std::string& label : labels)
        size += 4 + label.size();
    return size;
}

TGarminObject SamplePoint() {
    TGarminObject point = BuildNewObject(NewObjectSettings{});
    point.TypeCode = 0x2F;
    point.SubTypeCode = 0x0B;
    point.Labels = {"0x19,\xC0\xC7\xD1", "0x04,Fuel"};
    point.Pixels[Day][3][5] = '2';
    point.Colours[Day][2].SetColour(0x123456);
    return point;
}

TGarminObject DayAndNightPoint() {
    NewObjectSettings settings;
    settings.DayAndNight = true;
    return BuildNewObject(settings);
}

TGarminObject SampleLineWithoutBitmap() {
    NewObjectSettings settings;
    settings.Kind = KindLine;
    settings.NoBitmap = true;
    settings.ColourCount = 2;
    settings.LineWidth = 3;
    settings.BorderWidth = 1;
    TGarminObject line = BuildNewObject(settings);
    line.TypeCode = 0x1A;
    line.UseOrientation = 1;
    return line;
}

void ExpectSameObject(const TGarminObject& copy, const TGarminObject& original) {
    EXPECT_EQ(copy.Kind, original.Kind);
    EXPECT_EQ(copy.TypeCode, original.TypeCode);
    EXPECT_EQ(copy.SubTypeCode, original.SubTypeCode);
    EXPECT_EQ(copy.UseOrientation, original.UseOrientation);
    EXPECT_EQ(copy.LineWidth, original.LineWidth);
    EXPECT_EQ(copy.BorderWidth, original.BorderWidth);
    EXPECT_EQ(copy.XpmHeader, original.XpmHeader);
    EXPECT_EQ(copy.Labels, original.Labels);
    for (int view : {Day, Night}) {
        const size_t count = original.XpmHeader[size_t(view)].ColourCount;
        ASSERT_EQ(copy.Colours[size_t(view)].size(), count);
        for (size_t k = 0; k < count; ++k)
            EXPECT_EQ(copy.Colours[size_t(view)][k], original.Colours[size_t(view)][k]);
    }
    EXPECT_EQ(copy.Pixels[Day], original.Pixels[Day]);
    ASSERT_TRUE(copy.Quadrat.has_value());
    EXPECT_EQ(copy.Quadrat->ColCount, original.XpmHeader[Day].Width);
    EXPECT_EQ(copy.Quadrat->RowCount, original.XpmHeader[Day].Height);
}

TEST(ClipboardRecord, PointBlockHasHeadLabelsFourEntriesAndTwoPlanes) {
    const TGarminObject point = SamplePoint();
    const std::vector<uint8_t> block = EncodeClipboardRecord(point);
    const size_t labels = LabelBlockSize(point.Labels);
    EXPECT_EQ(block.size(), 20 + labels + 56 + 256 + 256);

    EXPECT_EQ(block[0], 0);
    EXPECT_EQ(block[1], 0x2F); // TypeCode, little-endian
    EXPECT_EQ(block[5], 0x0B); // SubTypeCode
    EXPECT_EQ(block[12], 16);  // Day.Width
    EXPECT_EQ(block[13], 16);  // Day.Height
    EXPECT_EQ(block[14], 4);   // Day.ColourCount
    EXPECT_EQ(block[15], 1);   // Day.CharsPerPixel
    for (int i = 16; i < 20; ++i)
        EXPECT_EQ(block[size_t(i)], 0) << i;

    // The first colour entry is the 14-byte record: "~", "n", then 255 as three little-endian int32.
    const uint8_t* entry = block.data() + 20 + labels;
    EXPECT_EQ(entry[0], '~');
    EXPECT_EQ(entry[1], 'n');
    EXPECT_EQ(entry[2], 255);
    EXPECT_EQ(entry[3], 0);
    EXPECT_EQ(entry[6], 255);
    EXPECT_EQ(entry[10], 255);
    // Pixel (3, 5) of the day plane.
    EXPECT_EQ(block[20 + labels + 56 + 3 * 16 + 5], '2');
}

TEST(ClipboardRecord, LineWithoutBitmapEndsAfterItsTwoEntries) {
    const TGarminObject line = SampleLineWithoutBitmap();
    const std::vector<uint8_t> block = EncodeClipboardRecord(line);
    EXPECT_EQ(block.size(), 20 + LabelBlockSize(line.Labels) + 28);
    EXPECT_EQ(block[9], 1);
    EXPECT_EQ(block[10], 3);
    EXPECT_EQ(block[11], 1);
}

TEST(ClipboardRecord, RoundTripGivesAnEqualObject) {
    TGarminObject dayAndNight = DayAndNightPoint();
    dayAndNight.Pixels[Night][0][0] = '5';
    NewObjectSettings lineSettings;
    lineSettings.Kind = KindLine;
    lineSettings.Width = 32;
    lineSettings.Height = 4;
    lineSettings.ColourCount = 4;
    lineSettings.DayAndNight = true;
    for (const TGarminObject& original :
         {SamplePoint(), dayAndNight, SampleLineWithoutBitmap(), BuildNewObject(lineSettings)}) {
        SCOPED_TRACE(int(original.Kind));
        const std::optional<TGarminObject> copy = DecodeClipboardRecord(EncodeClipboardRecord(original));
        ASSERT_TRUE(copy.has_value());
        ExpectSameObject(*copy, original);
        if (original.XpmHeader[Night].Width != 0) {
            EXPECT_EQ(copy->Pixels[Night], original.Pixels[Night]);
        }
    }
}

TEST(ClipboardRecord, PastedCopyIsIndependentOfTheOriginal) {
    TGarminObject original = SamplePoint();
    const std::vector<uint8_t> block = EncodeClipboardRecord(original);
    std::optional<TGarminObject> copy = DecodeClipboardRecord(block);
    ASSERT_TRUE(copy.has_value());
    copy->Pixels[Day][0][0] = '3';
    copy->Labels[0] = "changed";
    copy->Colours[Day][1].SetColour(0);
    EXPECT_EQ(original.Pixels[Day][0][0], '~');
    EXPECT_EQ(original.Labels[0], "0x19,\xC0\xC7\xD1");
    EXPECT_EQ(original.Colours[Day][1].Colour(), 0x0000FFu);
    // A second paste of the same block is unaffected too.
    EXPECT_EQ(DecodeClipboardRecord(block)->Pixels[Day][0][0], '~');
}

TEST(ClipboardRecord, NightBitmapOfOtherSizeComesBackInItsOwnSize) {
    TGarminObject point = DayAndNightPoint();
    point.XpmHeader[Night].Width = 8;
    point.XpmHeader[Night].Height = 20;
    point.Pixels[Night] = std::vector<std::string>(20, std::string(8, '5'));
    const std::optional<TGarminObject> copy = DecodeClipboardRecord(EncodeClipboardRecord(point));
    ASSERT_TRUE(copy.has_value());
    ASSERT_EQ(copy->Pixels[Night].size(), 20u);
    for (const std::string& row : copy->Pixels[Night])
        EXPECT_EQ(row.size(), 8u);
    EXPECT_EQ(copy->Pixels[Night][0], std::string(8, '5'));
}

TEST(ClipboardRecord, TrailingBytesOfTheBlockAreIgnored) {
    std::vector<uint8_t> block = EncodeClipboardRecord(SamplePoint());
    block.resize(block.size() + 13, 0xAB);
    EXPECT_TRUE(DecodeClipboardRecord(block).has_value());
}

// A point with every property the extension carries: font, label colours, alphas of both tables,
// kept lines, more than four labels and a night bitmap of its own size.
TGarminObject RichPoint() {
    TGarminObject point = DayAndNightPoint();
    point.Labels = {"0x01,a", "0x02,b", "0x03,c", "0x04,d", "0x05,e", "0x06,f"};
    point.FontStyle = FontDefault;
    point.DayLabelColour = 0x0080FF;
    point.NightLabelColour = 0;
    point.SetColourAlpha(Day, 1, 7);
    point.SetColourAlpha(Night, 3, 15);
    point.KeptLines = {{KeptPlace::SectionStart, Day, 0, ";comment"},
                       {KeptPlace::BeforeRow, Night, 3, "; row comment"},
                       {KeptPlace::XpmHeaderTail, Day, 0, " Colormode=16"},
                       {KeptPlace::AfterBlock, Night, 0, std::string("\0\xFF", 2)}};
    point.XpmHeader[Night].Width = 8;
    point.XpmHeader[Night].Height = 20;
    point.Pixels[Night] = std::vector<std::string>(20, std::string(8, '5'));
    point.Pixels[Night][19][7] = '6';
    return point;
}

void ExpectSameExtension(const TGarminObject& copy, const TGarminObject& original) {
    EXPECT_EQ(copy.FontStyle, original.FontStyle);
    EXPECT_EQ(copy.DayLabelColour, original.DayLabelColour);
    EXPECT_EQ(copy.NightLabelColour, original.NightLabelColour);
    EXPECT_EQ(copy.Alpha, original.Alpha);
    EXPECT_EQ(copy.KeptLines, original.KeptLines);
    EXPECT_EQ(copy.Pixels[Night], original.Pixels[Night]);
}

// Where the extension starts: right after the night plane of the old layout.
size_t ExtensionStart(const TGarminObject& object) {
    const TXpmHeader& day = object.XpmHeader[Day];
    return 20 + LabelBlockSize(object.Labels) + 14 * (day.ColourCount + object.XpmHeader[Night].ColourCount) +
           2 * size_t(day.Width) * day.Height;
}

TEST(ClipboardExtension, EveryNewPropertyTravelsWhole) {
    const TGarminObject original = RichPoint();
    const std::vector<uint8_t> block = EncodeClipboardRecord(original);
    ASSERT_GT(block.size(), ExtensionStart(original) + 4);
    EXPECT_EQ(std::string(block.begin() + long(ExtensionStart(original)),
                          block.begin() + long(ExtensionStart(original)) + 4),
              "VlmX");
    const std::optional<TGarminObject> copy = DecodeClipboardRecord(block);
    ASSERT_TRUE(copy.has_value());
    ExpectSameObject(*copy, original);
    ExpectSameExtension(*copy, original);

    // Each property alone travels too, and the others stay none.
    TGarminObject line = SampleLineWithoutBitmap();
    line.NightLabelColour = 0xFFFFFF;
    const std::optional<TGarminObject> lineCopy = DecodeClipboardRecord(EncodeClipboardRecord(line));
    ASSERT_TRUE(lineCopy.has_value());
    ExpectSameExtension(*lineCopy, line);
}

TEST(ClipboardExtension, ObjectWithoutNewPropertiesGivesTheOldBlockAndTheOldBlockPastes) {
    // Alphas that are all opaque say nothing either.
    TGarminObject point = SamplePoint();
    point.Alpha[Day].assign(4, AlphaOpaque);
    const std::vector<uint8_t> block = EncodeClipboardRecord(point);
    EXPECT_EQ(block.size(), ExtensionStart(point));

    // The old layout of a rich object, cut where the extension starts, pastes with none of them.
    const TGarminObject rich = RichPoint();
    std::vector<uint8_t> old = EncodeClipboardRecord(rich);
    old.resize(ExtensionStart(rich));
    const std::optional<TGarminObject> pasted = DecodeClipboardRecord(old);
    ASSERT_TRUE(pasted.has_value());
    ExpectSameObject(*pasted, rich);
    EXPECT_FALSE(pasted->FontStyle || pasted->DayLabelColour || pasted->NightLabelColour);
    EXPECT_TRUE(pasted->Alpha[Day].empty() && pasted->Alpha[Night].empty() && pasted->KeptLines.empty());
    EXPECT_EQ(pasted->Labels.size(), 6u) << "the old layout always carried every label";
    EXPECT_EQ(pasted->Pixels[Night][19], std::string(8, '~'))
        << "beyond the day height: the first night code";
}

TEST(ClipboardExtension, DamagedExtensionIsRefused) {
    const TGarminObject rich = RichPoint();
    const std::vector<uint8_t> good = EncodeClipboardRecord(rich);
    const size_t start = ExtensionStart(rich);
    // Every cut inside the extension, end tag included, is refused: no half-pasted object.
    for (size_t size = start + 4; size < good.size(); ++size)
        EXPECT_FALSE(DecodeClipboardRecord(std::span(good.data(), size)).has_value()) << size;

    const size_t firstRecord = start + 4; // tag 1, length 1, the font style
    auto with = [&](size_t offset, uint8_t value) {
        std::vector<uint8_t> block = good;
        block[offset] = value;
        return block;
    };
    struct Case {
        const char* What;
        std::vector<uint8_t> Block;
    };
    const std::vector<Case> cases = {
        {"font style above 7", with(firstRecord + 5, 8)},
        {"font record longer than its value", with(firstRecord + 1, 2)},
        {"record length past the block", with(firstRecord + 4, 0x7F)},
        {"day label colour above 24 bits", with(firstRecord + 6 + 5 + 3, 0x01)},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(DecodeClipboardRecord(c.Block).has_value()) << c.What;
}

TEST(ClipboardExtension, UnknownRecordsAndBytesAfterTheEndAreSteppedOver) {
    const TGarminObject rich = RichPoint();
    std::vector<uint8_t> block = EncodeClipboardRecord(rich);
    const size_t firstRecord = ExtensionStart(rich) + 4;
    // A record of a later version before the others: tag 0x40, three bytes.
    const std::vector<uint8_t> later = {0x40, 3, 0, 0, 0, 0xAA, 0xBB, 0xCC};
    block.insert(block.begin() + long(firstRecord), later.begin(), later.end());
    block.resize(block.size() + 9, 0xEE);
    const std::optional<TGarminObject> copy = DecodeClipboardRecord(block);
    ASSERT_TRUE(copy.has_value());
    ExpectSameExtension(*copy, rich);
}

TEST(ClipboardRecord, DamagedBlocksAreRefused) {
    const std::vector<uint8_t> good = EncodeClipboardRecord(SamplePoint());
    const size_t labels = LabelBlockSize(SamplePoint().Labels);
    struct Case {
        const char* What;
        std::vector<uint8_t> Block;
    };
    auto with = [&](size_t offset, uint8_t value) {
        std::vector<uint8_t> block = good;
        block[offset] = value;
        return block;
    };
    std::vector<Case> cases = {
        {"empty", {}},
        {"shorter than the head", std::vector<uint8_t>(good.begin(), good.begin() + 19)},
        {"head without label block", std::vector<uint8_t>(good.begin(), good.begin() + 20)},
        {"kind 3", with(0, 3)},
        {"kind 255", with(0, 255)},
        {"one pixel short", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"label count too large", with(23, 0x7F)},
        {"label length too large", with(27, 0x7F)},
        {"day colour count too large", with(14, 200)},
        {"night colour count announced but absent", with(18, 4)},
        {"day size too large", with(12, 255)},
        {"cut inside the colour entries",
         std::vector<uint8_t>(good.begin(), good.begin() + long(20 + labels + 30))},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(DecodeClipboardRecord(c.Block).has_value()) << c.What;
}

// Everything an object holds; its matrix is the one its day header gives.
void ExpectEqualContent(const TGarminObject& copy, const TGarminObject& original) {
    ExpectSameObject(copy, original);
    EXPECT_EQ(copy.Colours, original.Colours);
    ExpectSameExtension(copy, original);
}

TEST(ClipboardExtension, KeptLineOfNoKnownPlaceIsRefused) {
    TGarminObject point = SamplePoint();
    point.KeptLines = {{KeptPlace(200), Day, 0, ";what"}};
    EXPECT_FALSE(DecodeClipboardRecord(EncodeClipboardRecord(point)).has_value());
}

// A point whose font, label colours, alpha and comments all came from the file, as the reader keeps
// them: their spellings are kept lines of places after the bitmap places.
TEST(ClipboardPaste, ObjectWhoseFontAndColoursCameFromTheFilePastesWhole) {
    const std::string_view text = "[_point]\r\n;kept comment\r\nType=0x2f\r\nSubType=0x06\r\n"
                                  "FontStyle=SmallFont\r\nDaycustomColor:#FF0000\r\n"
                                  "NightcustomColor:#00ff00\r\nXpm=\"2 1 2 1\"\r\n"
                                  "\"a c #102030\"  alpha=7\r\n\"b c #405060\"\r\n\"ab\"\r\n[end]\r\n";
    TypDocument source;
    LoadTextTypDocument(text, source);
    ASSERT_EQ(source.PointList.size(), 1u);
    const TGarminObject& original = *source.PointList[0];
    ASSERT_TRUE(original.FontStyle.has_value());

    TypDocument target;
    EditHistory history(target);
    ASSERT_TRUE(Edit::Paste(history, target, EncodeClipboardRecord(original)));
    ASSERT_EQ(target.PointList.size(), 1u);
    ExpectEqualContent(*target.PointList[0], original);
    EXPECT_TRUE(target.Modified);
    // A pasted object has no source text of its own: it is written in the program's form, as the
    // original is once it is no longer the file's text.
    TypDocument expected;
    expected.HeaderLines = target.HeaderLines = source.HeaderLines;
    expected.PointList.push_back(std::make_unique<TGarminObject>(original));
    expected.PointList.back()->Source = {};
    EXPECT_EQ(WriteTextTyp(target, "date"), WriteTextTyp(expected, "date"))
        << "the pasted object writes the same";

    // A refused block changes nothing and leaves no step behind.
    std::vector<uint8_t> damaged = EncodeClipboardRecord(original);
    damaged.pop_back();
    EXPECT_FALSE(Edit::Paste(history, target, damaged));
    EXPECT_EQ(target.PointList.size(), 1u);
    EXPECT_EQ(history.Stack().count(), 1);
}

std::vector<std::filesystem::path> CorpusTextFiles() {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fs::path(VELMORA_CORPUS_DIR), error))
        if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Every object of every corpus style, copied and pasted into another document, comes back equal:
// decoded from its block and appended by the paste command.
TEST(ClipboardPaste, EveryObjectOfEveryCorpusStylePastesBackEqual) {
    const auto files = CorpusTextFiles();
    if (files.empty()) GTEST_SKIP() << "corpus folder " VELMORA_CORPUS_DIR " is absent";
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        TypDocument source;
        LoadTextTypDocument(ReadWholeFile(file.string()), source);
        TypDocument target;
        EditHistory history(target);
        for (int kind : {KindPoint, KindLine, KindPolygon}) {
            for (size_t i = 0; i < source.List(kind).size(); ++i) {
                SCOPED_TRACE("kind " + std::to_string(kind) + " object " + std::to_string(i));
                const TGarminObject& original = *source.List(kind)[i];
                const std::vector<uint8_t> block = EncodeClipboardRecord(original);
                const std::optional<TGarminObject> decoded = DecodeClipboardRecord(block);
                ASSERT_TRUE(decoded.has_value());
                ExpectEqualContent(*decoded, original);
                ASSERT_TRUE(Edit::Paste(history, target, block));
                ASSERT_EQ(target.List(kind).size(), i + 1);
                ExpectEqualContent(*target.List(kind).back(), original);
            }
        }
    }
}

} // namespace
} // namespace velmora
