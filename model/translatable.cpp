#include "model/translatable.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace velmora {

namespace {

constexpr size_t MaxParts = 9;
// A part of a message is itself a message at most this deep (a reason inside a compiler error).
constexpr int MaxDepth = 4;

using Parts = std::array<std::optional<std::string_view>, MaxParts>;

bool IsPartMark(std::string_view pattern, size_t i) {
    return pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
}

// Whether text is pattern with its parts filled in; a part is never empty, and a part that stands
// twice in the pattern stands for the same text. The shortest parts are tried first, so that a part
// ends at the first place where the rest of the sentence follows.
bool Match(std::string_view text, std::string_view pattern, Parts& parts) {
    size_t literal = 0;
    while (literal < pattern.size() && !IsPartMark(pattern, literal))
        ++literal;
    if (text.substr(0, literal) != pattern.substr(0, literal)) return false;
    text.remove_prefix(literal);
    pattern.remove_prefix(literal);
    if (pattern.empty()) return text.empty();
    const size_t index = size_t(pattern[1] - '1');
    pattern.remove_prefix(2);
    if (parts[index]) {
        return text.substr(0, parts[index]->size()) == *parts[index] &&
               Match(text.substr(parts[index]->size()), pattern, parts);
    }
    for (size_t length = 1; length <= text.size(); ++length) {
        parts[index] = text.substr(0, length);
        if (Match(text.substr(length), pattern, parts)) return true;
    }
    parts[index].reset();
    return false;
}

size_t LiteralLength(std::string_view pattern) {
    size_t length = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (IsPartMark(pattern, i))
            ++i;
        else
            ++length;
    }
    return length;
}

std::string Translated(std::string_view text, std::span<const EngineSentence* const> sentences,
                       const std::function<std::string(const EngineSentence&)>& translate, int depth) {
    if (depth >= MaxDepth) return std::string(text);
    // The sentence with the most of its own words wins where two would match.
    std::vector<const EngineSentence*> ordered(sentences.begin(), sentences.end());
    std::stable_sort(ordered.begin(), ordered.end(), [](const EngineSentence* a, const EngineSentence* b) {
        return LiteralLength(a->Text) > LiteralLength(b->Text);
    });
    for (const EngineSentence* sentence : ordered) {
        Parts parts;
        if (!Match(text, sentence->Text, parts)) continue;
        std::vector<std::string> worded;
        for (const auto& part : parts)
            worded.push_back(part ? Translated(*part, sentences, translate, depth + 1) : std::string());
        const std::string pattern = translate(*sentence);
        std::string out;
        for (size_t i = 0; i < pattern.size(); ++i) {
            if (IsPartMark(pattern, i)) {
                out += worded[size_t(pattern[i + 1] - '1')];
                ++i;
            } else {
                out += pattern[i];
            }
        }
        return out;
    }
    return std::string(text);
}

} // namespace

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (IsPartMark(pattern, i)) {
            const size_t index = size_t(pattern[i + 1] - '1');
            if (index < values.size()) {
                out += values.begin()[index];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string FillIn(const EngineSentence& sentence, std::initializer_list<std::string_view> values) {
    return FillIn(sentence.Text, values);
}

std::string TranslateEngineText(std::string_view text, std::span<const EngineSentence* const> sentences,
                                const std::function<std::string(const EngineSentence&)>& translate) {
    return Translated(text, sentences, translate, 0);
}

} // namespace velmora
