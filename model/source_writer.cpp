// The writer of a document read from text: the file's own text wherever the document still says what
// the file said, new text only where the user changed something.
//
// The file is a sequence of pieces in the order of the text: each header line as read (with the blank
// lines before it), each object (the blank lines and comments before its section, the section, and for
// the last object the lines after it) and the rest after them. An object whose fingerprint is still
// the one read is its text again; an edited one is read again from its text and written line by line,
// each line as it stood unless its value changed; a changed value keeps the line's key, blanks and
// number form. What that cannot express (a resized bitmap, a changed kept line) is written in the
// program's form at the object's place. A new object follows the last object of its kind in its list.
#include "model/text_format.h"
#include "model/text_lines.h"
#include "model/text_out.h"
#include "model/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <unordered_set>
#include <vector>

namespace velmora {

namespace {

// The line end of the text's first line, or CR LF for a text of one line.
std::string_view FirstLineEnd(std::string_view text) {
    const size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) return "\r\n";
    if (text[at] == '\n') return "\n";
    return text.substr(at, at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1);
}

// --- Header lines ---

std::string_view AsRead(const TTextSource& source, const TTextSource::HeaderLine& line) {
    return TrimLeft(std::string_view(source.Text).substr(line.LineBegin, line.ContentEnd - line.LineBegin));
}

// The longest common subsequence of the lines as read and the lines now, as the index of the line as
// read that each line now stands for (-1: none). The unchanged lines at either end are matched first;
// a changed middle too large to compare line by line is taken as replaced as a whole.
std::vector<ptrdiff_t> MatchLines(const std::vector<std::string_view>& before,
                                  const std::vector<std::string>& after) {
    std::vector<ptrdiff_t> match(after.size(), -1);
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
        match[prefix] = ptrdiff_t(prefix);
        ++prefix;
    }
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        match[after.size() - 1 - suffix] = ptrdiff_t(before.size() - 1 - suffix);
        ++suffix;
    }
    const size_t n = before.size() - prefix - suffix;
    const size_t m = after.size() - prefix - suffix;
    constexpr size_t MaxCells = size_t{1} << 22;
    if (n == 0 || m == 0 || (n + 1) * (m + 1) > MaxCells) return match;
    // length[i][j]: the common subsequence of before[prefix + i ..] and after[prefix + j ..].
    std::vector<uint32_t> length((n + 1) * (m + 1), 0);
    auto at = [&](size_t i, size_t j) -> uint32_t& { return length[i * (m + 1) + j]; };
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            at(i, j) = before[prefix + i] == after[prefix + j] ? at(i + 1, j + 1) + 1
                                                               : std::max(at(i + 1, j), at(i, j + 1));
    for (size_t i = 0, j = 0; i < n && j < m;) {
        if (before[prefix + i] == after[prefix + j]) {
            match[prefix + j] = ptrdiff_t(prefix + i);
            ++i, ++j;
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    return match;
}

// What becomes of each header line as read: written as it stood, replaced by a line now (keeping its
// blank lines before it, its indent and its line end), or gone; and the lines now that are new, after
// the line as read they follow.
struct HeaderPlan {
    std::vector<ptrdiff_t> Written; // the line now in its place, -1 when it is gone
    std::vector<bool> Same;         // written as it stood
    std::vector<std::vector<size_t>> Added;
    std::vector<size_t> AddedFirst; // new lines before every line as read
};

HeaderPlan PlanHeader(const TTextSource& source, const std::vector<std::string>& now) {
    std::vector<std::string_view> before;
    before.reserve(source.HeaderLines.size());
    for (const TTextSource::HeaderLine& line : source.HeaderLines)
        before.push_back(AsRead(source, line));
    const std::vector<ptrdiff_t> match = MatchLines(before, now);

    HeaderPlan plan;
    plan.Written.assign(before.size(), -1);
    plan.Same.assign(before.size(), false);
    plan.Added.resize(before.size());
    size_t k = 0; // the next line as read
    size_t j = 0; // the next line now
    auto run = [&](size_t kEnd, size_t jEnd) {
        // Between two matched lines, lines as read and lines now pair up as replacements.
        const size_t paired = std::min(kEnd - k, jEnd - j);
        for (size_t i = 0; i < paired; ++i)
            plan.Written[k + i] = ptrdiff_t(j + i);
        k += paired;
        j += paired;
        for (; j < jEnd; ++j)
            (k > 0 ? plan.Added[k - 1] : plan.AddedFirst).push_back(j);
        k = kEnd;
    };
    for (size_t i = 0; i < now.size(); ++i) {
        if (match[i] < 0) continue;
        run(size_t(match[i]), i);
        plan.Written[k] = ptrdiff_t(i);
        plan.Same[k] = true;
        ++k;
        ++j;
    }
    run(before.size(), now.size());
    return plan;
}

// The code page the map compiler takes from the header lines as they will be written: an unchanged
// line as it stood, a replaced one with the indent of the line it replaces, a new one as it is.
std::string_view CompilerCodePage(const TTextSource& source, const HeaderPlan& plan,
                                  const std::vector<std::string>& now) {
    std::vector<std::string_view> written(plan.AddedFirst.size());
    std::transform(plan.AddedFirst.begin(), plan.AddedFirst.end(), written.begin(),
                   [&](size_t j) { return std::string_view(now[j]); });
    for (size_t k = 0; k < source.HeaderLines.size(); ++k) {
        const TTextSource::HeaderLine& line = source.HeaderLines[k];
        const std::string_view raw =
            std::string_view(source.Text).substr(line.LineBegin, line.ContentEnd - line.LineBegin);
        if (plan.Same[k])
            written.push_back(raw);
        else if (plan.Written[k] >= 0 && raw.size() == TrimLeft(raw).size()) // an indented line stays one
            written.push_back(now[size_t(plan.Written[k])]);
        for (size_t j : plan.Added[k])
            written.push_back(now[j]);
    }
    for (std::string_view line : written)
        if (const auto value = CompilerCodePageOf(line)) return *value;
    return {};
}

// --- Objects ---

// The positional kept lines (comments, other keys, lines around the section), without the spellings
// of values, which follow the values.
bool IsSpelling(KeptPlace place) {
    switch (place) {
    case KeptPlace::FontSpelling:
    case KeptPlace::DayLabelColourSpelling:
    case KeptPlace::NightLabelColourSpelling:
    case KeptPlace::ColourTail:
    case KeptPlace::ColourAlphaDigits:
    case KeptPlace::XpmHeaderTail:
        return true;
    default:
        return false;
    }
}

std::vector<const TKeptLine*> KeptAt(const TGarminObject& object, std::optional<KeptPlace> only) {
    std::vector<const TKeptLine*> lines;
    for (const TKeptLine& line : object.KeptLines)
        if (only ? line.Place == *only : !IsSpelling(line.Place)) lines.push_back(&line);
    return lines;
}

bool SameKept(const TGarminObject& a, const TGarminObject& b, std::optional<KeptPlace> only) {
    const auto x = KeptAt(a, only);
    const auto y = KeptAt(b, only);
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [](const TKeptLine* p, const TKeptLine* q) { return *p == *q; });
}

// Whether an object read back from written text is the object of the document, in everything the
// text form says of it.
bool ReadsAs(const TGarminObject& read, const TGarminObject& model) {
    if (read.Kind != model.Kind || read.TypeCode != model.TypeCode) return false;
    if (model.Kind == KindPoint && read.SubTypeCode != model.SubTypeCode) return false;
    if (model.Kind == KindLine && (read.UseOrientation > 0) != (model.UseOrientation > 0)) return false;
    if (read.Labels != model.Labels || read.LineWidth != model.LineWidth ||
        read.BorderWidth != model.BorderWidth)
        return false;
    if (read.FontStyle != model.FontStyle || read.DayLabelColour != model.DayLabelColour ||
        read.NightLabelColour != model.NightLabelColour || read.XpmHeader != model.XpmHeader)
        return false;
    for (int variant : {Day, Night}) {
        const size_t count = model.XpmHeader[size_t(variant)].ColourCount;
        const auto& a = read.Colours[size_t(variant)];
        const auto& b = model.Colours[size_t(variant)];
        if (a.size() < count || b.size() < count) return false;
        for (size_t i = 0; i < count; ++i) {
            if (a[i].Code != b[i].Code || a[i].IsTransparent() != b[i].IsTransparent()) return false;
            if (!b[i].IsTransparent() &&
                (a[i].Red != b[i].Red || a[i].Green != b[i].Green || a[i].Blue != b[i].Blue))
                return false;
            if (read.ColourAlpha(variant, i) != model.ColourAlpha(variant, i)) return false;
        }
        if (read.Pixels[size_t(variant)] != model.Pixels[size_t(variant)]) return false;
    }
    return SameKept(read, model, std::nullopt);
}

// A line split into its leading blanks, its text and its trailing blanks.
struct LineParts {
    std::string_view Lead;
    std::string_view Core;
    std::string_view Trail;
};

LineParts Split(std::string_view raw) {
    size_t begin = 0;
    while (begin < raw.size() && IsBlank(raw[begin]))
        ++begin;
    size_t end = raw.size();
    while (end > begin && IsBlank(raw[end - 1]))
        --end;
    return {raw.substr(0, begin), raw.substr(begin, end - begin), raw.substr(end)};
}

// Where the value of a key line begins: after the first "=" or ":", and after the blanks that follow
// it when skipBlanks.
std::optional<size_t> ValueStart(std::string_view core, bool skipBlanks) {
    size_t at = core.find_first_of(textform::KeyValueSeparators);
    if (at == std::string_view::npos) return std::nullopt;
    ++at;
    while (skipBlanks && at < core.size() && (core[at] == ' ' || core[at] == '\t'))
        ++at;
    return at;
}

// The key line with another value, its key, blanks and everything around the value as they were.
std::optional<std::string> WithValue(std::string_view raw, std::string_view value, bool skipBlanks = true) {
    const LineParts parts = Split(raw);
    const std::optional<size_t> start = ValueStart(parts.Core, skipBlanks);
    if (!start) return std::nullopt;
    std::string line;
    line.append(parts.Lead).append(parts.Core.substr(0, *start)).append(value).append(parts.Trail);
    return line;
}

// How a number stood in the file: its prefix ("0x", "$", none), hexadecimal or decimal, the letter
// case of its digits and their count; a new number is written alike.
struct NumberForm {
    std::string_view Prefix;
    bool Hex = true;
    bool Lower = false;
    size_t Digits = 2;

    std::string Format(uint32_t value) const {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value, Hex ? 16 : 10).ptr;
        std::string text(Prefix);
        const size_t count = size_t(end - digits);
        if (count < Digits) text.append(Digits - count, '0');
        for (const char* c = digits; c != end; ++c)
            text.push_back(!Lower && *c >= 'a' ? char(*c - 32) : *c);
        return text;
    }
};

NumberForm FormOf(std::string_view value, bool hexWithoutPrefix) {
    NumberForm form;
    if (value.starts_with("0x") || value.starts_with("0X"))
        form.Prefix = value.substr(0, 2);
    else if (!value.empty() && (value[0] == 'x' || value[0] == 'X' || value[0] == '$'))
        form.Prefix = value.substr(0, 1);
    else
        form.Hex = hexWithoutPrefix;
    size_t digits = 0;
    for (size_t i = form.Prefix.size(); i < value.size() && IsHexDigit(value[i]); ++i, ++digits)
        form.Lower = form.Lower || (value[i] >= 'a' && value[i] <= 'f');
    form.Digits = form.Hex ? digits : 1;
    return form;
}

// The value of a key line as written, after the key and its blanks.
std::string_view ValueText(std::string_view raw) {
    const std::string_view core = Split(raw).Core;
    const std::optional<size_t> start = ValueStart(core, true);
    return start ? core.substr(*start) : std::string_view();
}

std::optional<std::string> WithNumber(std::string_view raw, uint32_t value, bool hexWithoutPrefix) {
    return WithValue(raw, FormOf(ValueText(raw), hexWithoutPrefix).Format(value));
}

std::string Rgb(uint32_t colour, bool lower) {
    NumberForm form;
    form.Lower = lower;
    return form.Format(colour & 0xFF) + form.Format(colour >> 8 & 0xFF) + form.Format(colour >> 16 & 0xFF);
}

bool HasLowerHex(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'f'; });
}

size_t FindNone(std::string_view text) {
    for (size_t i = 0; i + textform::NoColour.size() <= text.size(); ++i)
        if (EqualIgnoringAsciiCase(text.substr(i, textform::NoColour.size()), textform::NoColour)) return i;
    return std::string_view::npos;
}

// Writes an edited object line by line from the lines of its text. Gives up (false) where a change
// cannot be written into the line that held the value.
class LineMerge {
  public:
    LineMerge(std::string_view text, const std::vector<SourceLine>& lines, const TGarminObject& read,
              const TGarminObject& now, std::string_view fileLineEnd)
        : Text(text), Lines(lines), Read(read), Now(now), FileLineEnd(fileLineEnd), Added(lines.size()) {}

    bool Run(std::string& out);

  private:
    std::string_view Raw(const SourceLine& line) const {
        return Text.substr(line.Begin, line.ContentEnd - line.Begin);
    }
    std::string_view LineEnd(const SourceLine& line) const {
        return Text.substr(line.ContentEnd, line.End - line.ContentEnd);
    }
    // The line written for a line of the text: none to copy it, "" with Drop to leave it out.
    std::optional<std::string> Rewrite(const SourceLine& line);
    std::optional<std::string> TypeLine(const SourceLine& line);
    std::optional<std::string> ColourLine(const SourceLine& line);
    std::optional<std::string> PixelRow(const SourceLine& line);
    void PlanAdditions();
    void Add(int rank, std::string text);
    // A changed value whose line cannot take it fails the whole merge.
    std::optional<std::string> Needed(std::optional<std::string> text) {
        Failed = Failed || !text;
        return text;
    }

    std::string_view Text;
    const std::vector<SourceLine>& Lines;
    const TGarminObject& Read;
    const TGarminObject& Now;
    std::string_view FileLineEnd;
    std::vector<std::vector<std::string>> Added; // new lines after each line of the text
    bool Drop = false;
    bool Failed = false;
    // With two characters per pixel: the pair each code stood for in the colour lines.
    std::array<std::array<std::optional<std::array<char, 2>>, 256>, 2> Pairs{};
};

// The order of the keys, for placing a new key line after the last key line of its kind or before.
int RankOf(LineRole role) {
    switch (role) {
    case LineRole::Type:
    case LineRole::SubType:
        return 1;
    case LineRole::Orientation:
        return 2;
    case LineRole::Label:
        return 3;
    case LineRole::Font:
    case LineRole::DayLabelColour:
    case LineRole::NightLabelColour:
        return 4;
    case LineRole::LineWidth:
    case LineRole::BorderWidth:
        return 5;
    default:
        return 0;
    }
}

// A new key line goes after the last key line of its rank or a lower one (after the section line when
// there is none), and after the comments that follow that line, so they keep their place.
void LineMerge::Add(int rank, std::string text) {
    size_t anchor = Lines.size();
    for (size_t i = 0; i < Lines.size(); ++i) {
        const int r = RankOf(Lines[i].Role);
        if ((r >= 1 && r <= rank) || (anchor == Lines.size() && Lines[i].Role == LineRole::Section))
            anchor = i;
    }
    if (anchor == Lines.size()) {
        Failed = true;
        return;
    }
    size_t last = anchor;
    for (size_t i = anchor + 1; i < Lines.size(); ++i) {
        if (Lines[i].Role == LineRole::Kept)
            last = i;
        else if (Lines[i].Role != LineRole::Gap)
            break;
    }
    Added[last].push_back(std::move(text));
}

// A new key line in the program's form.
std::string NewKeyLine(std::string_view key, std::string_view value) {
    return std::string(key).append("=").append(value);
}

// The key of a new label line: that of the last label line with the label's number, or the program's.
std::string LabelKey(std::string_view lastLabelRaw, size_t index) {
    const std::string number = std::to_string(index + 1);
    if (lastLabelRaw.empty()) return NewKeyLine(std::string(textform::Label) + number, {});
    const LineParts parts = Split(lastLabelRaw);
    const size_t equals = parts.Core.find_first_of(textform::KeyValueSeparators);
    if (equals == std::string_view::npos) return NewKeyLine(std::string(textform::Label) + number, {});
    std::string_view key = parts.Core.substr(0, equals + 1);
    size_t digits = equals;
    while (digits > 0 && key[digits - 1] >= '0' && key[digits - 1] <= '9')
        --digits;
    std::string text(parts.Lead);
    if (digits == equals) return text.append(key);
    return text.append(key.substr(0, digits)).append(number).append(key.substr(equals));
}

void LineMerge::PlanAdditions() {
    auto has = [&](LineRole role) {
        return std::any_of(Lines.begin(), Lines.end(),
                           [role](const SourceLine& l) { return l.Role == role; });
    };
    if (Now.Kind == KindLine && Now.UseOrientation > 0 && Read.UseOrientation <= 0 &&
        !has(LineRole::Orientation))
        Add(2, NewKeyLine(textform::UseOrientation, "Y"));
    std::string_view lastLabel;
    for (const SourceLine& line : Lines)
        if (line.Role == LineRole::Label) lastLabel = Raw(line);
    for (size_t i = Read.Labels.size(); i < Now.Labels.size(); ++i)
        Add(3, LabelKey(lastLabel, i) + Now.Labels[i]);
    if (Now.FontStyle && !Read.FontStyle)
        Add(4, NewKeyLine(textform::FontStyle, FontStyleName(*Now.FontStyle)));
    if (Now.DayLabelColour && !Read.DayLabelColour)
        Add(4, NewKeyLine(textform::DayLabelColour, "#" + Rgb(*Now.DayLabelColour, false)));
    if (Now.NightLabelColour && !Read.NightLabelColour)
        Add(4, NewKeyLine(textform::NightLabelColour, "#" + Rgb(*Now.NightLabelColour, false)));
    if (Now.Kind == KindLine && Now.XpmHeader[Day].Width == 0) {
        if (Now.LineWidth != Read.LineWidth && !has(LineRole::LineWidth))
            Add(5, NewKeyLine(textform::LineWidth, std::to_string(Now.LineWidth)));
        if (Now.BorderWidth != Read.BorderWidth && !has(LineRole::BorderWidth))
            Add(5, NewKeyLine(textform::BorderWidth, std::to_string(Now.BorderWidth)));
    }
}

// A point's type and subtype: every "Type" line gives the type (with the subtype in its low byte
// where the file wrote them so, or where only that form says both), every "SubType" line the subtype.
// A line or polygon holds its subtype in its type; its "SubType" lines go.
std::optional<std::string> LineMerge::TypeLine(const SourceLine& line) {
    if (Now.TypeCode == Read.TypeCode && Now.SubTypeCode == Read.SubTypeCode) return std::nullopt;
    if (Now.Kind != KindPoint) {
        if (Now.TypeCode == Read.TypeCode) return std::nullopt;
        if (line.Role == LineRole::SubType) {
            Drop = true;
            return std::string();
        }
        return Needed(WithNumber(Raw(line), Now.TypeCode, false));
    }
    if (line.Role == LineRole::SubType) return Needed(WithNumber(Raw(line), Now.SubTypeCode & 0xFF, true));
    const bool subTypeLine = std::any_of(Lines.begin(), Lines.end(),
                                         [](const SourceLine& l) { return l.Role == LineRole::SubType; });
    const NumberForm form = FormOf(ValueText(Raw(line)), false);
    const bool joined = Now.TypeCode > 0xFF || (!subTypeLine && (Now.SubTypeCode != 0 || form.Digits > 2));
    if (joined && Now.TypeCode == 0)
        return Failed = true, std::nullopt; // no number says type 0 and a subtype
    return Needed(WithValue(
        Raw(line), form.Format(joined ? Now.TypeCode << 8 | (Now.SubTypeCode & 0xFF) : Now.TypeCode)));
}

std::optional<std::string> LineMerge::ColourLine(const SourceLine& line) {
    const int variant = line.Variant;
    const size_t index = line.Index;
    const auto& readTable = Read.Colours[size_t(variant)];
    const auto& nowTable = Now.Colours[size_t(variant)];
    if (index >= readTable.size() || index >= nowTable.size()) return std::nullopt;
    const TColourEntry& was = readTable[index];
    const TColourEntry& is = nowTable[index];
    const uint8_t wasAlpha = Read.ColourAlpha(variant, index);
    const uint8_t isAlpha = Now.ColourAlpha(variant, index);
    const bool colourChanged =
        was.IsTransparent() != is.IsTransparent() ||
        (!is.IsTransparent() && (was.Red != is.Red || was.Green != is.Green || was.Blue != is.Blue));
    if (was.Code == is.Code && !colourChanged && wasAlpha == isAlpha) return std::nullopt;

    const LineParts parts = Split(Raw(line));
    std::string core(parts.Core);
    const unsigned charsPerPixel = Now.XpmHeader[size_t(variant)].CharsPerPixel;
    const size_t bodyStart = charsPerPixel == 2 ? 3 : 2;
    if (core.size() < bodyStart || core[0] != '"') return Failed = true, std::nullopt;
    if (was.Code != is.Code) {
        if (charsPerPixel == 2 || is.Code == '"') return Failed = true, std::nullopt;
        core[1] = is.Code;
    }
    size_t close = core.find('"', bodyStart);
    if (close == std::string::npos) return Failed = true, std::nullopt;
    std::string body = core.substr(bodyStart, close - bodyStart);
    const size_t hash = body.find('#');
    if (colourChanged) {
        const uint32_t rgb = is.Colour();
        if (is.IsTransparent()) {
            if (hash == std::string::npos) return Failed = true, std::nullopt;
            body = body.substr(0, hash) + "none";
        } else if (was.IsTransparent()) {
            const size_t none = FindNone(body);
            if (none == std::string::npos) return Failed = true, std::nullopt;
            body = body.substr(0, none) + "#" + Rgb(rgb, false);
        } else {
            if (hash == std::string::npos || hash + 7 > body.size()) return Failed = true, std::nullopt;
            body.replace(hash + 1, 6, Rgb(rgb, HasLowerHex(std::string_view(body).substr(hash + 1, 6))));
        }
    }
    std::string tail = core.substr(close + 1);
    if (wasAlpha != isAlpha) {
        const size_t rgbHash = body.find('#');
        if (const auto digits = AlphaKeyDigits(tail)) {
            tail.replace(digits->first, digits->second - digits->first, std::to_string(isAlpha));
        } else if (!is.IsTransparent() && rgbHash != std::string::npos && rgbHash + 9 == body.size() &&
                   IsHexDigit(body[rgbHash + 7]) && IsHexDigit(body[rgbHash + 8])) {
            NumberForm form;
            form.Lower = HasLowerHex(std::string_view(body).substr(rgbHash + 1));
            body.replace(rgbHash + 7, 2, form.Format(uint32_t(255 - 17 * isAlpha)));
        } else if (isAlpha != AlphaOpaque) {
            tail += " alpha=" + std::to_string(isAlpha);
        } else {
            return Failed = true, std::nullopt;
        }
    }
    std::string text(parts.Lead);
    text.append(core.substr(0, bodyStart)).append(body).append("\"").append(tail).append(parts.Trail);
    return text;
}

std::optional<std::string> LineMerge::PixelRow(const SourceLine& line) {
    const int variant = line.Variant;
    const auto& readRows = Read.Pixels[size_t(variant)];
    const auto& nowRows = Now.Pixels[size_t(variant)];
    if (line.Index >= readRows.size() || line.Index >= nowRows.size()) return Failed = true, std::nullopt;
    const std::string& row = nowRows[line.Index];
    if (row == readRows[line.Index]) return std::nullopt;
    const TXpmHeader& header = Now.XpmHeader[size_t(variant)];
    const LineParts parts = Split(Raw(line));
    std::string core(parts.Core);
    const size_t width = header.Width;
    const bool pairs = header.CharsPerPixel == 2;
    if (row.size() != width || core.empty() || core[0] != '"' || core.size() < 1 + width * (pairs ? 2 : 1))
        return Failed = true, std::nullopt;
    for (size_t x = 0; x < width; ++x) {
        if (!pairs) {
            core[1 + x] = row[x];
            continue;
        }
        const auto& pair = Pairs[size_t(variant)][uint8_t(row[x])];
        const std::array<char, 2> chars = pair ? *pair : TwoCharCode(row[x]);
        core[1 + 2 * x] = chars[0];
        core[2 + 2 * x] = chars[1];
    }
    return std::string(parts.Lead) + core + std::string(parts.Trail);
}

std::optional<std::string> LineMerge::Rewrite(const SourceLine& line) {
    Drop = false;
    auto drop = [&] {
        Drop = true;
        return std::string();
    };
    switch (line.Role) {
    case LineRole::Type:
    case LineRole::SubType:
        return TypeLine(line);
    case LineRole::Orientation:
        if ((Now.UseOrientation > 0) == (Read.UseOrientation > 0)) return std::nullopt;
        return Needed(WithValue(Raw(line), Now.UseOrientation > 0 ? "Y" : "N", false));
    case LineRole::Label:
        if (line.Index >= Now.Labels.size()) return drop();
        if (line.Index < Read.Labels.size() && Now.Labels[line.Index] == Read.Labels[line.Index])
            return std::nullopt;
        return Needed(WithValue(Raw(line), Now.Labels[line.Index], false));
    case LineRole::Font:
        if (Now.FontStyle == Read.FontStyle) return std::nullopt;
        if (!Now.FontStyle) return drop();
        return Needed(WithValue(Raw(line), FontStyleName(*Now.FontStyle)));
    case LineRole::DayLabelColour:
    case LineRole::NightLabelColour: {
        const bool day = line.Role == LineRole::DayLabelColour;
        const std::optional<uint32_t>& is = day ? Now.DayLabelColour : Now.NightLabelColour;
        if (is == (day ? Read.DayLabelColour : Read.NightLabelColour)) return std::nullopt;
        if (!is) return drop();
        return Needed(WithValue(Raw(line), "#" + Rgb(*is, HasLowerHex(ValueText(Raw(line))))));
    }
    case LineRole::LineWidth:
        if (Now.LineWidth == Read.LineWidth) return std::nullopt;
        return Needed(WithValue(Raw(line), std::to_string(Now.LineWidth)));
    case LineRole::BorderWidth:
        if (Now.BorderWidth == Read.BorderWidth) return std::nullopt;
        return Needed(WithValue(Raw(line), std::to_string(Now.BorderWidth)));
    case LineRole::Colour:
        return ColourLine(line);
    case LineRole::Row:
        return PixelRow(line);
    default:
        return std::nullopt;
    }
}

bool LineMerge::Run(std::string& out) {
    if (Now.Kind != Read.Kind || Now.XpmHeader != Read.XpmHeader || !SameKept(Now, Read, std::nullopt))
        return false;
    for (const SourceLine& line : Lines) {
        const std::string_view raw = Raw(line);
        const std::string_view core = Split(raw).Core;
        if (line.Role == LineRole::Colour && core.size() > 3 && line.Index < Now.Colours[line.Variant].size())
            Pairs[line.Variant][uint8_t(Now.Colours[line.Variant][line.Index].Code)] =
                std::array<char, 2>{core[1], core[2]};
    }
    PlanAdditions();
    for (size_t i = 0; i < Lines.size() && !Failed; ++i) {
        const SourceLine& line = Lines[i];
        const std::optional<std::string> text = Rewrite(line);
        if (Failed) break;
        std::string_view lineEnd = LineEnd(line);
        if (!text)
            out.append(Raw(line)).append(lineEnd);
        else if (!Drop)
            out.append(*text).append(lineEnd);
        if (lineEnd.empty()) lineEnd = FileLineEnd;
        for (const std::string& added : Added[i]) {
            if (!out.empty() && out.back() != '\n' && out.back() != '\r') out.append(lineEnd);
            out.append(added).append(lineEnd);
        }
    }
    return !Failed;
}

// An edited object in the program's form at its place, the text around its section as it stood.
void WriteInFrame(TextOut& out, std::string_view text, const std::vector<SourceLine>& lines,
                  const TGarminObject& read, const TGarminObject& now) {
    const auto section = std::find_if(lines.begin(), lines.end(),
                                      [](const SourceLine& l) { return l.Role == LineRole::Section; });
    const auto end =
        std::find_if(section, lines.end(), [](const SourceLine& l) { return l.Role == LineRole::End; });
    if (section == lines.end() || !SameKept(read, now, KeptPlace::BeforeSection) ||
        !SameKept(read, now, KeptPlace::AfterSection) ||
        (end == lines.end() && !KeptAt(now, KeptPlace::AfterSection).empty())) {
        out.StartLine();
        WriteObjectSection(out, now, SectionFrame::Inserted);
        return;
    }
    const std::string_view lineEnd = text.substr(section->ContentEnd, section->End - section->ContentEnd);
    TextOut part(text.size() + 256, lineEnd.empty() ? out.LineEnd : lineEnd);
    part << text.substr(0, section->Begin);
    WriteObjectSection(part, now, SectionFrame::Bare);
    if (end != lines.end()) part << text.substr(end->End);
    out << part.Text;
}

void WriteObject(TextOut& out, const TGarminObject& object, const TTextSource& source) {
    const std::string_view text =
        std::string_view(source.Text).substr(object.Source.Begin, object.Source.End - object.Source.Begin);
    if (ContentFingerprint(object) == object.Source.Fingerprint) {
        out << text;
        return;
    }
    std::vector<SourceLine> lines;
    const std::unique_ptr<TGarminObject> read = ReadObjectText(text, &lines);
    if (!read || ContentFingerprint(*read) != object.Source.Fingerprint) {
        out.StartLine();
        WriteObjectSection(out, object, SectionFrame::Inserted);
        return;
    }
    std::string merged;
    merged.reserve(text.size() + 256);
    if (LineMerge(text, lines, *read, object, out.LineEnd).Run(merged)) {
        const std::unique_ptr<TGarminObject> back = ReadObjectText(merged, nullptr);
        if (back && ReadsAs(*back, object)) {
            out << merged;
            return;
        }
    }
    WriteInFrame(out, text, lines, *read, object);
}

// --- The file ---

struct Piece {
    enum Kind : uint8_t { HeaderLine, FirstHeaderLines, ReadObject, NewObject, Tail };
    size_t Offset; // where it stands in the text
    int Group;     // at one offset: header lines, then objects, then new objects at the end, then the rest
    ptrdiff_t Order;
    Kind What;
    size_t Index = 0;
    const TGarminObject* Item = nullptr;
};

bool InText(const TGarminObject& object, const TypDocument& doc) {
    const TObjectSource& source = object.Source;
    return source.File == doc.Source && source.Begin < source.End && source.End <= doc.Source->TailBegin;
}

// The objects, each at its place: one read from the text at its own, a new one after the last object
// of its kind before it in its list (before the first one of its kind when none stands before it, at
// the end of the text when the text has none of its kind). An object whose text another object already
// holds (a copy of it) counts as new.
void PlaceObjects(const TypDocument& doc, std::vector<Piece>& pieces) {
    std::unordered_set<size_t> taken;
    ptrdiff_t order = 0;
    for (int kind : {KindPoint, KindLine, KindPolygon}) {
        const ObjectList& list = doc.List(kind);
        std::vector<bool> inText(list.size());
        for (size_t i = 0; i < list.size(); ++i)
            inText[i] = InText(*list[i], doc) && taken.insert(list[i]->Source.Begin).second;
        const auto first = std::find(inText.begin(), inText.end(), true);
        const TGarminObject* anchor = nullptr;
        for (size_t i = 0; i < list.size(); ++i) {
            const TGarminObject* object = list[i].get();
            ++order;
            if (inText[i]) {
                anchor = object;
                pieces.push_back({object->Source.Begin, 1, 0, Piece::ReadObject, 0, object});
            } else if (anchor) {
                pieces.push_back({anchor->Source.Begin, 1, order, Piece::NewObject, 0, object});
            } else if (first != inText.end()) {
                const TGarminObject* next = list[size_t(first - inText.begin())].get();
                pieces.push_back(
                    {next->Source.Begin, 1, order - ptrdiff_t(list.size()) - 1, Piece::NewObject, 0, object});
            } else {
                pieces.push_back({doc.Source->TailBegin, 2, order, Piece::NewObject, 0, object});
            }
        }
    }
}

// Whether the file's sections stand apart by empty lines: the text of its second object begins with one.
bool SectionsStandApart(const TTextSource& source, const std::vector<Piece>& pieces) {
    int seen = 0;
    for (const Piece& piece : pieces) {
        if (piece.What != Piece::ReadObject || ++seen < 2) continue;
        const std::string_view text = std::string_view(source.Text).substr(piece.Item->Source.Begin);
        const size_t end = text.find_first_of("\r\n");
        return end != std::string_view::npos && TrimLeft(text.substr(0, end)).empty();
    }
    return true;
}

} // namespace

std::string WriteSourcedTextTyp(const TypDocument& doc, std::string_view dateTimeText) {
    const TTextSource& source = *doc.Source;
    const std::string_view text = source.Text;
    const bool utf8 = WritesUtf8(doc);
    TextOut out(text.size() + 1024, FirstLineEnd(text));
    const HeaderPlan header = PlanHeader(source, doc.HeaderLines);
    WriteHead(out, doc, CompilerCodePage(source, header, doc.HeaderLines), dateTimeText);

    std::vector<Piece> pieces;
    pieces.reserve(source.HeaderLines.size() + doc.PointList.size() + doc.LineList.size() +
                   doc.PolygonList.size() + 2);
    if (!header.AddedFirst.empty())
        pieces.push_back({source.HeaderLines.empty() ? source.HeadEnd : source.HeaderLines.front().Begin, 0,
                          -1, Piece::FirstHeaderLines});
    for (size_t k = 0; k < source.HeaderLines.size(); ++k)
        pieces.push_back({source.HeaderLines[k].Begin, 0, ptrdiff_t(k), Piece::HeaderLine, k});
    PlaceObjects(doc, pieces);
    pieces.push_back({source.TailBegin, 3, 0, Piece::Tail});
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
        return a.Offset != b.Offset ? a.Offset < b.Offset
               : a.Group != b.Group ? a.Group < b.Group
                                    : a.Order < b.Order;
    });
    const bool apart = SectionsStandApart(source, pieces);

    auto addLines = [&](const std::vector<size_t>& added, std::string_view lineEnd) {
        for (size_t j : added) {
            out.StartLine();
            out << HeaderLineText(doc.HeaderLines[j], utf8) << (lineEnd.empty() ? out.LineEnd : lineEnd);
        }
    };
    for (const Piece& piece : pieces) {
        switch (piece.What) {
        case Piece::FirstHeaderLines:
            addLines(header.AddedFirst, {});
            break;
        case Piece::HeaderLine: {
            const TTextSource::HeaderLine& line = source.HeaderLines[piece.Index];
            const std::string_view lineEnd = text.substr(line.ContentEnd, line.End - line.ContentEnd);
            if (header.Same[piece.Index]) {
                out << text.substr(line.Begin, line.End - line.Begin);
            } else {
                out << text.substr(line.Begin, line.LineBegin - line.Begin);
                if (header.Written[piece.Index] >= 0) {
                    // A replaced line keeps the indent and line end of the line it replaces.
                    out.StartLine();
                    const std::string_view raw =
                        text.substr(line.LineBegin, line.ContentEnd - line.LineBegin);
                    out << raw.substr(0, raw.size() - TrimLeft(raw).size())
                        << HeaderLineText(doc.HeaderLines[size_t(header.Written[piece.Index])], utf8)
                        << (lineEnd.empty() ? out.LineEnd : lineEnd);
                }
            }
            addLines(header.Added[piece.Index], lineEnd);
            break;
        }
        case Piece::ReadObject:
            out.StartLine();
            WriteObject(out, *piece.Item, source);
            break;
        case Piece::NewObject:
            out.StartLine();
            if (apart) out.EndLine();
            WriteObjectSection(out, *piece.Item, SectionFrame::Inserted);
            break;
        case Piece::Tail:
            out << text.substr(source.TailBegin);
            break;
        }
    }
    return std::move(out.Text);
}

} // namespace velmora
