// Feeds arbitrary bytes to the text reader, writes back what it read, and reads and writes that again.
// An unedited write gives back the input apart from the head lines, for every input: also where a
// number does not convert, since the text not read stays in the file.
#include "model/text_format.h"
#include "model/utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// The saved text is a byte-order mark where the input had one, three head lines, and the input after
// its byte-order mark and an earlier save's head lines.
void CheckUneditedWrite(std::string_view input, const velmora::TypDocument& doc, std::string_view saved) {
    if (!doc.Source) std::abort();
    const std::string_view text = doc.Source->Text;
    const std::string_view mark = doc.ByteOrderMark ? velmora::Utf8ByteOrderMark : std::string_view();
    if (input.substr(0, mark.size()) != mark || input.substr(mark.size()) != text) std::abort();
    const std::string_view rest = text.substr(doc.Source->HeadEnd);
    if (!saved.starts_with(mark) || !saved.ends_with(rest)) std::abort();
    const std::string_view head = saved.substr(mark.size(), saved.size() - mark.size() - rest.size());
    size_t lineEnds = 0;
    for (size_t i = 0; i < head.size(); ++i)
        if (head[i] == '\n' || (head[i] == '\r' && (i + 1 == head.size() || head[i + 1] != '\n'))) ++lineEnds;
    if (lineEnds != 3) std::abort();
}

// An edited object is written into its text (line by line, or in the program's form): read back, it
// has the label added, and every other object is still there.
void CheckEditedWrite(velmora::TypDocument& doc) {
    velmora::TGarminObject* first = nullptr;
    for (int kind : {velmora::KindPoint, velmora::KindLine, velmora::KindPolygon})
        if (!first && !doc.List(kind).empty()) first = doc.List(kind).front().get();
    if (!first) return;
    first->LineWidth = static_cast<uint8_t>(first->LineWidth + 1);
    first->Labels.push_back("0x04,edited");
    if (!first->Pixels[velmora::Day].empty() && !first->Pixels[velmora::Day][0].empty() &&
        !first->Colours[velmora::Day].empty())
        first->Pixels[velmora::Day][0][0] = first->Colours[velmora::Day].back().Code;
    velmora::TypDocument back;
    try {
        velmora::LoadTextTypDocument(velmora::WriteTextTyp(doc, "1.1.2000 00:00:00"), back);
    } catch (const velmora::TypError&) {
        return; // the text after the object may hold what did not convert
    }
    const velmora::TGarminObject& read = *back.List(first->Kind).front();
    if (read.Labels.empty() || read.Labels.back() != first->Labels.back()) std::abort();
    for (int kind : {velmora::KindPoint, velmora::KindLine, velmora::KindPolygon})
        if (back.List(kind).size() != doc.List(kind).size()) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    velmora::TypDocument doc;
    try {
        velmora::LoadTextTypDocument(bytes, doc);
    } catch (const velmora::TypError&) {
        // A number that does not convert stops the reading; what was read before it still writes.
    }
    // CurrentObject must never be left referring to an object that was dropped.
    if (doc.CurrentObject) {
        volatile uint8_t kind = doc.CurrentObject->Kind;
        (void)kind;
    }
    const std::string text = velmora::WriteTextTyp(doc, "1.1.2000 00:00:00");
    CheckUneditedWrite(bytes, doc, text);
    // What the writer wrote reads again, and so does the program's own form of what was read: kept
    // lines, spellings, two-character codes and the UTF-8 head included.
    velmora::TypDocument again;
    try {
        velmora::LoadTextTypDocument(text, again);
    } catch (const velmora::TypError&) {
    }
    again.Source.reset();
    for (int kind : {velmora::KindPoint, velmora::KindLine, velmora::KindPolygon})
        for (auto& object : again.List(kind))
            object->Source = {};
    const std::string twice = velmora::WriteTextTyp(again, "1.1.2000 00:00:00");
    CheckEditedWrite(doc);
    return text.empty() || twice.empty() ? 1 : 0;
}
