// The typical session on every real file: open (or import), look at every object by day and by
// night, save the text form. Looking must change nothing, and the saved file must hold the document.
#include "model/text_format.h"
#include "tests/app/window_fixture.h"

#include <QDir>

#include <algorithm>
#include <cctype>
#include <string>

namespace velmora {
namespace {

struct CorpusCase {
    const char* Name;
    bool Compiled;
};

void PrintTo(const CorpusCase& c, std::ostream* out) {
    *out << c.Name;
}

// The object sections of a written file: the header sections do not come back unchanged (the reader
// drops their comment lines), the objects do.
std::string ObjectSections(const std::string& text) {
    size_t first = std::string::npos;
    // Files read from text keep their own line ends.
    for (const char* section : {"\n[_point]", "\n[_line]", "\n[_polygon]"})
        first = std::min(first, text.find(section));
    return first == std::string::npos ? std::string() : text.substr(first + 1);
}

class CorpusWindowTest : public WindowTest, public testing::WithParamInterface<CorpusCase> {
  protected:
    // Shows every object of every kind, and by night wherever the view chooser allows it.
    void BrowseEverything() {
        for (int kind = KindPoint; kind <= KindPolygon; ++kind) {
            ChooseKind(kind);
            ASSERT_EQ(Form->ComboBox1->count(), int(Form->Document.List(kind).size()));
            for (int index = 0; index < Form->ComboBox1->count(); ++index) {
                ChooseObject(index);
                ASSERT_EQ(Form->Document.CurrentObject, Form->Document.List(kind)[size_t(index)].get());
                if (!Form->RadioGroup2Box->isEnabled()) continue;
                Form->SetShownViewSilently(Night);
                Form->RadioGroup2Click();
                Form->SetShownViewSilently(Day);
                Form->RadioGroup2Click();
            }
        }
    }
};

TEST_P(CorpusWindowTest, BrowsingChangesNothingAndSavingWritesTheDocument) {
    const CorpusCase& c = GetParam();
    if (!CorpusHas(c.Name)) GTEST_SKIP() << "corpus file " << c.Name << " not found in " VELMORA_CORPUS_DIR;
    if (c.Compiled)
        ImportCompiled(CorpusFile(c.Name));
    else
        OpenText(CorpusFile(c.Name));
    ASSERT_TRUE(Prompts.Messages().empty()) << Prompts.Messages().front().toStdString();
    ASSERT_GT(ObjectCount(), 0);
    const std::string before = WriteTextTyp(Form->Document, "");

    BrowseEverything();
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_EQ(WriteTextTyp(Form->Document, ""), before);

    const QString saved = TempFile("saved.txt");
    Prompts.AnswerSaveFile(saved);
    Form->SaveAs1Click();
    EXPECT_TRUE(Prompts.Messages().empty());
    EXPECT_FALSE(Form->Document.Modified);
    EXPECT_TRUE(Form->ToolButton9->isEnabled());

    TypDocument reread;
    LoadTextTypDocument(FileBytes(saved), reread);
    const std::string objects = ObjectSections(WriteTextTyp(Form->Document, ""));
    EXPECT_FALSE(objects.empty());
    EXPECT_EQ(ObjectSections(WriteTextTyp(reread, "")), objects) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, CorpusWindowTest,
    testing::Values(CorpusCase{"freizeit.txt", false}, CorpusCase{"opentopomap.txt", false},
                    CorpusCase{"contours.txt", false}, CorpusCase{"mkgmap-test.txt", false},
                    CorpusCase{"freizeit.typ", true}, CorpusCase{"opentopomap.typ", true},
                    CorpusCase{"contours.typ", true}, CorpusCase{"M00000.typ", true}),
    [](const testing::TestParamInfo<CorpusCase>& info) {
        std::string name = info.param.Name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

} // namespace
} // namespace velmora
