// Helpers shared by the text reader and writer tests.
#pragma once

#include "model/text_format.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::test {

inline constexpr std::string_view FixedDate = "01.02.2003 04:05:06";

// Reads text the way the converter does: into an emptied document.
inline TypDocument Load(std::string_view text) {
    TypDocument doc;
    LoadTextTypDocument(text, doc);
    return doc;
}

// A copy of the document without the text it was read from: the writer gives it in the program's
// own form, the form of every edited or new object.
inline TypDocument InProgramsForm(const TypDocument& doc) {
    TypDocument copy;
    copy.HeaderLines = doc.HeaderLines;
    copy.TypFormatMark = doc.TypFormatMark;
    copy.Utf8 = doc.Utf8;
    copy.ByteOrderMark = doc.ByteOrderMark;
    for (int kind : {KindPoint, KindLine, KindPolygon})
        for (const auto& object : doc.List(kind)) {
            copy.List(kind).push_back(std::make_unique<TGarminObject>(*object));
            copy.List(kind).back()->Source = {};
        }
    return copy;
}

// The object sections as the program's own form writes them, after the head lines and the header.
inline std::string ObjectSections(const TypDocument& doc) {
    TypDocument head;
    head.HeaderLines = doc.HeaderLines;
    head.TypFormatMark = doc.TypFormatMark;
    const std::string prefix = WriteTextTyp(head, FixedDate);
    const std::string all = WriteTextTyp(InProgramsForm(doc), FixedDate);
    return all.substr(prefix.size());
}

// Reads text and writes its objects back.
inline std::string Rewrite(std::string_view text) {
    return ObjectSections(Load(text));
}

inline TGarminObject& AddObject(TypDocument& doc, uint8_t kind) {
    auto object = std::make_unique<TGarminObject>();
    object->Kind = kind;
    doc.List(kind).push_back(std::move(object));
    return *doc.List(kind).back();
}

inline TColourEntry Colour(char code, int32_t red, int32_t green, int32_t blue) {
    TColourEntry entry;
    entry.Code = code;
    entry.Red = red;
    entry.Green = green;
    entry.Blue = blue;
    return entry;
}

inline TColourEntry Transparent(char code) {
    TColourEntry entry = Colour(code, 255, 255, 255);
    entry.TransparentMark = TransparentMarkNone;
    return entry;
}

// Gives a variant its header, table and rows at once.
inline void SetBitmap(TGarminObject& object, int variant, TXpmHeader header,
                      std::vector<TColourEntry> colours, std::vector<std::string> rows) {
    object.XpmHeader[variant] = header;
    object.Colours[variant] = std::move(colours);
    object.Pixels[variant] = std::move(rows);
}

// The text files of the corpus of real map styles, sorted; none when the folder is absent.
inline std::vector<std::filesystem::path> CorpusTextFiles() {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(VELMORA_CORPUS_DIR), error))
        if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The path of a program on PATH, or nothing.
inline std::filesystem::path OnPath(std::string_view program) {
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "";
    while (!folders.empty()) {
        const size_t end = folders.find(':');
        const std::filesystem::path candidate = std::filesystem::path(folders.substr(0, end)) / program;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate;
        if (end == std::string_view::npos) break;
        folders.remove_prefix(end + 1);
    }
    return {};
}

} // namespace velmora::test
