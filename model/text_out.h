// The pieces the two writers of the text form share: the growing text of a file, and the program's
// own form of one object section and of the head lines.
#pragma once

#include "model/maintyp.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Builds the text of one file; every line ends with LineEnd (CR LF unless the file had another).
class TextOut {
  public:
    explicit TextOut(size_t expectedSize, std::string_view lineEnd = "\r\n") : LineEnd(lineEnd) {
        Text.reserve(expectedSize);
    }

    TextOut& operator<<(std::string_view s) {
        Text.append(s);
        return *this;
    }
    TextOut& operator<<(char c) {
        Text.push_back(c);
        return *this;
    }
    void EndLine() { Text.append(LineEnd); }
    void Line(std::string_view s) {
        Text.append(s);
        Text.append(LineEnd);
    }
    // Ends the last line when the text so far does not end with a line end.
    void StartLine() {
        if (!Text.empty() && Text.back() != '\n' && Text.back() != '\r') EndLine();
    }

    // Upper-case hexadecimal with at least two digits; a negative component comes out as its
    // 32-bit two's complement.
    TextOut& Hex2(uint32_t n) {
        char digits[8];
        auto end = std::to_chars(digits, digits + sizeof digits, n, 16).ptr;
        if (end - digits < 2) Text.push_back('0');
        for (char* c = digits; c != end; ++c)
            Text.push_back(*c >= 'a' ? static_cast<char>(*c - 32) : *c);
        return *this;
    }
    TextOut& Dec(unsigned n) {
        char digits[10];
        auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        Text.append(digits, end);
        return *this;
    }

    std::string Text;
    std::string_view LineEnd;
};

// How a section stands among the text around it.
enum class SectionFrame : uint8_t {
    Own,      // the program's own file: kept lines around it, and an empty line after "[end]"
    Inserted, // a new object in a file read from text: kept lines around it, no empty line after it
    Bare,     // an edited object whose surroundings are written from the file: the section only
};

// One object section in the program's form.
void WriteObjectSection(TextOut& out, const TGarminObject& object, SectionFrame frame);

// The byte-order mark when the document had one, and the three head lines. They are UTF-8 where the
// file's text is (WritesUtf8), unless the map compiler reads the file in the code page that its
// header line "CodePage=" names (compilerCodePage, the value of the first header line that begins
// exactly so as written) and that code page lacks bytes of the UTF-8 head: the compiler refuses such
// a file, so there the head stays 1251 text.
void WriteHead(TextOut& out, const TypDocument& doc, std::string_view compilerCodePage,
               std::string_view dateTimeText);

// The value of a line as written that the map compiler takes for its code page, or none.
std::optional<std::string_view> CompilerCodePageOf(std::string_view line);

// A header line as written: the program's NT and OLD marks, held as 1251 text, in the file's encoding.
std::string_view HeaderLineText(const std::string& line, bool utf8);

// The whole file for a document read from text (TypDocument::Source set).
std::string WriteSourcedTextTyp(const TypDocument& doc, std::string_view dateTimeText);

} // namespace velmora
