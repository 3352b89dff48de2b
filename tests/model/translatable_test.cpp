#include "model/translatable.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

namespace velmora {
namespace {

constexpr EngineSentence CannotCompile{"Compiler", "Cannot compile %1: %2"};
constexpr EngineSentence PointName{"Compiler", "point type %1 subtype %2"};
constexpr EngineSentence OnlyColour{"Compiler", "its only colour is transparent"};
constexpr EngineSentence Defined{"Compiler", "The %1 type %2 is defined more than once; no %1 is written"};
constexpr EngineSentence LabelLeftOut{"Compiler", "%1: the label \"%2\" is left out"};
constexpr std::array<const EngineSentence*, 5> Sentences{&CannotCompile, &PointName, &OnlyColour, &Defined,
                                                         &LabelLeftOut};

// A translation of the sentences above, with the parts in another order where the language wants it.
std::string Translate(const EngineSentence& sentence) {
    static const std::map<std::string, std::string> russian = {
        {CannotCompile.Text, "Не компилируется %1: %2"},
        {PointName.Text, "точка типа %1 подтипа %2"},
        {OnlyColour.Text, "единственный цвет прозрачен"},
        {Defined.Text, "Тип %2 (%1) описан больше одного раза; %1 не записан"},
        {LabelLeftOut.Text, "%1: подпись \"%2\" пропущена"},
    };
    return russian.at(sentence.Text);
}

TEST(EngineText, MessagesAreWordedFromTheirSentencesPartByPart) {
    struct Case {
        std::string English;
        std::string Worded;
    };
    const Case cases[] = {
        // The parts are sentences of their own: the object named and the reason.
        {FillIn(CannotCompile, {FillIn(PointName, {"0x2F", "0x01"}), OnlyColour.Text}),
         "Не компилируется точка типа 0x2F подтипа 0x01: единственный цвет прозрачен"},
        // A part that stands twice stands for the same text, and the translation may move it.
        {FillIn(Defined, {"line", "0x01"}), "Тип 0x01 (line) описан больше одного раза; line не записан"},
        // A part may hold the words of the sentence around it (a label of the user's).
        {FillIn(LabelLeftOut, {FillIn(PointName, {"0x2F", "0x01"}), "a: the label \"b\" x"}),
         "точка типа 0x2F подтипа 0x01: подпись \"a: the label \"b\" x\" пропущена"},
        // What no sentence gives stays as it was written.
        {"Something else: 12", "Something else: 12"},
        {"The line type 0x01 is defined more than once; no polygon is written",
         "The line type 0x01 is defined more than once; no polygon is written"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TranslateEngineText(c.English, Sentences, Translate), c.Worded) << c.English;
    // The sentence's own English gives the message back unchanged.
    for (const Case& c : cases)
        EXPECT_EQ(TranslateEngineText(c.English, Sentences, [](const EngineSentence& s) { return s.Text; }),
                  c.English);
}

} // namespace
} // namespace velmora
