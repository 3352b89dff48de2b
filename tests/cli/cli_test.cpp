// Runs the built velmora-typ as a user would and checks exit status, output and files.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/map/mkgmap_maps.h"

#include <map>
#include <string>
#include <utility>

namespace {

struct CliRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// The environment of the test run without the variables that choose the language, and the given
// ones set: the texts a test checks do not depend on the locale CTest runs in.
QProcessEnvironment LanguageEnvironment(const std::map<QString, QString>& variables) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    for (const auto& [name, value] : variables)
        environment.insert(name, value);
    return environment;
}

QProcessEnvironment EnglishEnvironment() {
    return LanguageEnvironment({{"LANG", "C.UTF-8"}});
}

QProcessEnvironment RussianEnvironment() {
    return LanguageEnvironment({{"LANG", "ru_RU.UTF-8"}});
}

CliRun RunProgram(const QString& program, const QStringList& args,
                  const QProcessEnvironment& environment = EnglishEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    CliRun run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return run;
    run.ExitCode = process.exitCode();
    run.Out = process.readAllStandardOutput().toStdString();
    run.Err = process.readAllStandardError().toStdString();
    return run;
}

CliRun RunCli(const QStringList& args, const QProcessEnvironment& environment = EnglishEnvironment()) {
    return RunProgram(QStringLiteral(VELMORA_TYP_CLI), args, environment);
}

class Converter : public ::testing::Test {
  protected:
    QString Path(const char* name) const { return Folder.filePath(QString::fromLatin1(name)); }

    QString WriteInput(const char* name, const QByteArray& bytes) const {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray Content(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir Folder;
};

TEST_F(Converter, ConvertsATextFileAndPrintsNothing) {
    const QString input = WriteInput("in.txt", "[_point]\nType=0x2f\nString=0x04,Bank\n[end]\n");
    const QString output = Path("out.txt");
    const CliRun run = RunCli({"convert", input, output});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "");
    const QByteArray text = Content(output);
    EXPECT_TRUE(text.startsWith(";\xDD\xF2\xEE\xF2 "));
    // A text file is written as it stood, after the program's head lines, with its own line ends.
    EXPECT_TRUE(text.endsWith(" Velmora developers\n[_point]\nType=0x2f\nString=0x04,Bank\n[end]\n"));
}

TEST_F(Converter, ConvertsTheProjectSample) {
    const QString output = Path("sample.txt");
    const CliRun run = RunCli({"convert", QStringLiteral(VELMORA_SAMPLE_FILE), output});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_TRUE(Content(output).contains("[_point]"));
}

// The sample is where a new user starts: it compiles whole, without a warning.
TEST_F(Converter, CompilesTheProjectSampleWithoutWarnings) {
    const QString output = Path("sample.typ");
    const CliRun run = RunCli({"compile", QStringLiteral(VELMORA_SAMPLE_FILE), output});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_TRUE(Content(output).mid(2, 10) == "GARMIN TYP");
}

TEST_F(Converter, ConversionErrorWritesNoOutputAndExitsWithOne) {
    const QString input = WriteInput("bad.txt", "[_point]\nType=0x2f\n[end]\n[_line]\nLineWidth=3a\n[end]\n");
    const QString output = Path("out.txt");
    const CliRun run = RunCli({"convert", input, output});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("'3a' is not a valid integer value"), std::string::npos) << run.Err;
    EXPECT_FALSE(QFile::exists(output));
    // The reader's message is worded in the user's language like every other.
    const CliRun russian = RunCli({"convert", input, output}, RussianEnvironment());
    EXPECT_NE(russian.Err.find("'3a' — недопустимое целое число"), std::string::npos) << russian.Err;
}

TEST_F(Converter, ConversionErrorLeavesAnExistingOutputAsItWas) {
    const QString input = WriteInput("bad.txt", "[_polygon]\nXPM=\"1 1 x 1\"\n[end]\n");
    const QString output = WriteInput("out.txt", "old content");
    EXPECT_EQ(RunCli({"convert", input, output}).ExitCode, 1);
    EXPECT_EQ(Content(output), "old content");
}

TEST_F(Converter, FileThatCannotBeReadOrWrittenIsNamed) {
    const QString missing = Path("missing.txt");
    CliRun run = RunCli({"convert", missing, Path("out.txt")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find(missing.toStdString()), std::string::npos) << run.Err;
    EXPECT_FALSE(QFile::exists(Path("out.txt")));

    const QString input = WriteInput("in.txt", "[_point]\n[end]\n");
    const QString unwritable = Path("no-such-folder/out.txt");
    run = RunCli({"convert", input, unwritable});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find(unwritable.toStdString()), std::string::npos) << run.Err;
}

TEST_F(Converter, TakesAFileNamedTypForACompiledOne) {
    // Text content under a compiled file's name is not read as text.
    const QString input = WriteInput("style.TyP", "[_point]\nType=0x2f\n[end]\n");
    const CliRun run = RunCli({"convert", input, Path("out.txt")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("Not a Garmin TYP file"), std::string::npos) << run.Err;
    EXPECT_FALSE(QFile::exists(Path("out.txt")));
}

TEST_F(Converter, ConvertsACompiledFileOfTheCorpus) {
    const QString input = QStringLiteral(VELMORA_CORPUS_DIR "/contours.typ");
    if (!QFile::exists(input)) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    const CliRun run = RunCli({"convert", input, Path("out.txt")});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_TRUE(Content(Path("out.txt")).contains("[_line]"));
}

// The loader's signature test: a compiled file under a text name is imported; one cut short is
// converted as far as it goes, with the import's warning naming the file.
TEST_F(Converter, TakesACompiledFileByItsSignatureAndWarnsOfOneCutShort) {
    const QString corpus = QStringLiteral(VELMORA_CORPUS_DIR "/contours.typ");
    if (!QFile::exists(corpus)) GTEST_SKIP() << "corpus folder ../shared/corpus is absent";
    const QByteArray compiled = Content(corpus);
    const QString renamed = WriteInput("contours.txt", compiled);
    CliRun run = RunCli({"convert", renamed, Path("out.txt")});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_TRUE(Content(Path("out.txt")).contains("[_line]"));

    const QString cut = WriteInput("cut.typ", compiled.left(compiled.size() - 20));
    run = RunCli({"convert", cut, Path("cut.txt")});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err.rfind("velmora-typ: " + cut.toStdString() + ": The file ends after ", 0), 0u)
        << run.Err;
    run = RunCli({"convert", cut, Path("cut.txt")}, RussianEnvironment());
    EXPECT_NE(run.Err.find(": Файл обрывается после "), std::string::npos) << run.Err;
}

// Qt is loaded only for drawing: the converter starts without it.
TEST_F(Converter, LoadsNoQtLibrary) {
    QProcessEnvironment environment = RussianEnvironment(); // translations included
    environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("libs"));
    const CliRun run =
        RunProgram(QStringLiteral(VELMORA_TYP_CLI),
                   {"convert", QStringLiteral(VELMORA_SAMPLE_FILE), Path("out.txt")}, environment);
    EXPECT_EQ(run.ExitCode, 0);
    ASSERT_NE(run.Err.find("calling init"), std::string::npos) << "the loader did not report its libraries";
    EXPECT_EQ(run.Err.find("libQt"), std::string::npos) << run.Err;
}

// The width and height of a BMP file, from its header.
std::pair<int, int> BmpSize(const QByteArray& bmp) {
    if (bmp.size() < 26 || !bmp.startsWith("BM")) return {-1, -1};
    const auto number = [&bmp](int at) {
        return int(uint8_t(bmp[at]) | uint8_t(bmp[at + 1]) << 8 | uint8_t(bmp[at + 2]) << 16 |
                   uint8_t(bmp[at + 3]) << 24);
    };
    return {number(18), std::abs(number(22))};
}

TEST_F(Converter, RenderDrawsThroughItsOwnProgram) {
    const QString sample = QStringLiteral(VELMORA_SAMPLE_FILE);
    const CliRun run =
        RunCli({"render", sample, Path("point.bmp"), "--kind", "point", "--index", "0", "--zoom", "5"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    const QByteArray drawn = Content(Path("point.bmp"));
    EXPECT_EQ(BmpSize(drawn), std::make_pair(4 * 5, 2 * 5)); // the sample's first point is 4 x 2
    const CliRun direct =
        RunProgram(QStringLiteral(VELMORA_TYP_RENDER),
                   {sample, Path("direct.bmp"), "--kind", "point", "--index", "0", "--zoom", "5"});
    EXPECT_EQ(direct.ExitCode, 0) << direct.Err;
    EXPECT_EQ(Content(Path("direct.bmp")), drawn);

    const CliRun beyond = RunCli({"render", sample, Path("none.bmp"), "--kind", "polygon", "--index", "9"});
    EXPECT_EQ(beyond.ExitCode, 2);
    EXPECT_NE(beyond.Err.find("velmora-typ: index 9 is out of range"), std::string::npos) << beyond.Err;
    EXPECT_FALSE(QFile::exists(Path("none.bmp")));
}

// Width and height from the IHDR chunk of a PNG file; none for anything else.
std::pair<int, int> PngSize(const QByteArray& png) {
    if (png.size() < 24 || !png.startsWith("\x89PNG\r\n\x1a\n") || png.mid(12, 4) != "IHDR") return {};
    const auto number = [&png](int at) {
        return int(uint8_t(png[at]) << 24 | uint8_t(png[at + 1]) << 16 | uint8_t(png[at + 2]) << 8 |
                   uint8_t(png[at + 3]));
    };
    return {number(16), number(20)};
}

const QString PragueMap = QStringLiteral(VELMORA_CORPUS_DIR "/maps/prague.img");
const QString PragueCentre = QStringLiteral("14.395,50.070,14.445,50.0957");

TEST_F(Converter, RenderMapDrawsTheBoxOfARealMapIntoAPngOfTheSize) {
    if (!QFile::exists(PragueMap)) GTEST_SKIP() << "corpus map ../shared/corpus/maps/prague.img is absent";
    const QString sample = QStringLiteral(VELMORA_SAMPLE_FILE);
    for (const QStringList& extra : {QStringList{}, QStringList{"--night"}, QStringList{"--level", "1"}}) {
        const CliRun run = RunCli(QStringList{"render-map", sample, PragueMap, Path("centre.png"), "--bbox",
                                              PragueCentre, "--size", "320x256"} +
                                  extra);
        EXPECT_EQ(run.ExitCode, 0) << run.Err;
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(PngSize(Content(Path("centre.png"))), std::make_pair(320, 256))
            << extra.join(' ').toStdString();
    }
}

TEST_F(Converter, RenderMapRefusesBadInputNamingTheFileOrArgumentAndWritesNothing) {
    const QString sample = QStringLiteral(VELMORA_SAMPLE_FILE);
    const QString output = Path("out.png");
    struct Case {
        QStringList Args;
        int Exit;
        std::string Message;
        bool NeedsMap = false;
    };
    const std::string missing = Path("missing.txt").toStdString();
    const Case cases[] = {
        {{"render-map", Path("missing.txt"), PragueMap, output, "--bbox", PragueCentre, "--size", "64x64"},
         1,
         "Cannot open file \"" + missing + "\""},
        {{"render-map", sample, Path("missing.txt"), output, "--bbox", PragueCentre, "--size", "64x64"},
         1,
         missing},
        {{"render-map", sample, sample, output, "--bbox", PragueCentre, "--size", "64x64"},
         1,
         "\"" + sample.toStdString() + "\""},
        {{"render-map", sample, PragueMap, output, "--bbox", "14.5,50,14.4,50.1", "--size", "64x64"},
         1,
         "--bbox 14.5,50,14.4,50.1 is empty"},
        {{"render-map", sample, PragueMap, output, "--bbox", "14,50,14,50.1", "--size", "64x64"},
         1,
         "--bbox 14,50,14,50.1 is empty"},
        {{"render-map", sample, PragueMap, output, "--bbox", "14,50,200,51", "--size", "64x64"},
         1,
         "--bbox 14,50,200,51 lies off the earth"},
        {{"render-map", sample, PragueMap, output, "--bbox", PragueCentre, "--size", "0x64"},
         1,
         "--size 0x64"},
        {{"render-map", sample, PragueMap, output, "--bbox", PragueCentre, "--size", "16385x10"},
         1,
         "--size 16385x10"},
        {{"render-map", sample, PragueMap, output, "--bbox", "0,0,1,1", "--size", "64x64"},
         1,
         "--bbox 0,0,1,1 misses the map " + PragueMap.toStdString(),
         true},
        {{"render-map", sample, PragueMap, output, "--bbox", PragueCentre, "--size", "64x64", "--level", "9"},
         1,
         "--level 9: the map " + PragueMap.toStdString() + " has no such level",
         true},
        {{"render-map", sample, PragueMap, output, "--bbox", "14,50", "--size", "64x64"},
         2,
         "--bbox must be"},
        {{"render-map", sample, PragueMap, output, "--bbox", PragueCentre, "--size", "64"},
         2,
         "--size must be"},
        {{"render-map", sample, PragueMap, output, "--size", "64x64"}, 2, "render-map needs --bbox"},
        {{"render-map", sample, PragueMap, output, "--bbox", PragueCentre}, 2, "render-map needs --size"},
        {{"render-map", sample, PragueMap, "--bbox", PragueCentre, "--size", "64x64"}, 2, "render-map takes"},
        {{"render-map", sample, PragueMap, output, "--bbox", PragueCentre, "--size", "64x64", "--level", "x"},
         2,
         "--level must be"},
    };
    const bool haveMap = QFile::exists(PragueMap);
    for (const Case& c : cases) {
        if (c.NeedsMap && !haveMap) continue;
        const CliRun run = RunCli(c.Args);
        EXPECT_EQ(run.ExitCode, c.Exit) << c.Args.join(' ').toStdString() << "\n" << run.Err;
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_FALSE(QFile::exists(output)) << c.Args.join(' ').toStdString();
    }
}

TEST_F(Converter, RenderWithoutItsDrawingProgramSaysSoAndConvertStillWorks) {
    // velmora-typ alone in a folder.
    const QString alone = Path("velmora-typ");
    ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_TYP_CLI), alone));
    const QString sample = QStringLiteral(VELMORA_SAMPLE_FILE);
    const CliRun render =
        RunProgram(alone, {"render", sample, Path("p.bmp"), "--kind", "point", "--index", "0"});
    EXPECT_EQ(render.ExitCode, 1);
    EXPECT_NE(render.Err.find("cannot start " + Path("velmora-typ-render").toStdString()), std::string::npos)
        << render.Err;
    const CliRun convert = RunProgram(alone, {"convert", sample, Path("out.txt")});
    EXPECT_EQ(convert.ExitCode, 0) << convert.Err;
}

const QByteArray PolygonText = "[_id]\nFID=6276\nProductCode=1\nCodePage=1252\n[end]\n[_polygon]\nType=0x01\n"
                               "String=0x04,Wood\nXpm=\"0 0 1 0\"\n\"a c #112233\"\n[end]\n";

uint32_t U16At(const QByteArray& bytes, int at) {
    return uint8_t(bytes[at]) | uint32_t(uint8_t(bytes[at + 1])) << 8;
}

TEST_F(Converter, CompilesATextFileQuietlyWithTheIdValuesOrTheOptions) {
    const QString input = WriteInput("in.txt", PolygonText);
    const CliRun run = RunCli({"compile", input, Path("out.typ")});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out + run.Err, "");
    const QByteArray compiled = Content(Path("out.typ"));
    EXPECT_EQ(compiled.mid(2, 10), "GARMIN TYP");
    EXPECT_EQ(U16At(compiled, 47), 6276u);
    EXPECT_EQ(U16At(compiled, 21), 1252u);
    const CliRun withOptions = RunCli(
        {"compile", input, Path("opt.typ"), "--family-id", "77", "--product-id=5", "--code-page", "1251"});
    EXPECT_EQ(withOptions.ExitCode, 0) << withOptions.Err;
    const QByteArray overridden = Content(Path("opt.typ"));
    EXPECT_EQ(U16At(overridden, 47), 77u);
    EXPECT_EQ(U16At(overridden, 49), 5u);
    EXPECT_EQ(U16At(overridden, 21), 1251u);
    // A compiled input compiles again; converted to text it shows the label.
    EXPECT_EQ(RunCli({"compile", Path("out.typ"), Path("again.typ")}).ExitCode, 0);
    EXPECT_EQ(Content(Path("again.typ")), compiled);
    EXPECT_EQ(RunCli({"convert", Path("again.typ"), Path("again.txt")}).ExitCode, 0);
    EXPECT_TRUE(Content(Path("again.txt")).contains("0x4,Wood"));
}

TEST_F(Converter, CompileErrorNamesTheObjectAndLeavesTheOutputAsItWas) {
    const QString input = WriteInput("bad.txt", "[_line]\nType=0x02\nXpm=\"16 1 1 1\"\n\"a c #112233\"\n"
                                                "\"aaaaaaaaaaaaaaaa\"\n[end]\n");
    const QString output = WriteInput("out.typ", "old content");
    const CliRun run = RunCli({"compile", input, output});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("line type 0x02 subtype 0x00: its bitmap is 16 pixels wide"), std::string::npos)
        << run.Err;
    EXPECT_EQ(Content(output), "old content");
    EXPECT_EQ(RunCli({"compile", input, Path("new.typ")}).ExitCode, 1);
    EXPECT_FALSE(QFile::exists(Path("new.typ")));
}

TEST_F(Converter, CompileWarningsGoToStandardErrorAndTheFileIsWritten) {
    const QString input =
        WriteInput("in.txt", "[_id]\nCodePage=1252\n[end]\n[_polygon]\nType=0x01\nString=0x19,\xC0\n"
                             "String=0x04,ok\nXpm=\"0 0 1 0\"\n\"a c #112233\"\n[end]\n");
    // Code page 1252 bytes read as 1252, written in 1251: the A-grave has no byte there.
    const CliRun run = RunCli({"compile", input, Path("out.typ"), "--code-page", "1251"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(run.Err.find("warning: polygon type 0x01 subtype 0x00: the label"), std::string::npos)
        << run.Err;
    EXPECT_TRUE(Content(Path("out.typ")).contains("ok"));
}

TEST_F(Converter, CompileWarnsOfACodePageKeyThatMkgmapDoesNotRead) {
    // The file keeps its spelling; the compiled file has its code page.
    const QString input = WriteInput("in.txt", "[_id]\nCodepage=1250\n[end]\n");
    const CliRun run = RunCli({"compile", input, Path("out.typ")});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_NE(
        run.Err.find("warning: The header line \"Codepage=1250\" is not spelt \"CodePage=\": mkgmap will "
                     "not read the code page from it"),
        std::string::npos)
        << run.Err;
    EXPECT_EQ(Content(Path("out.typ")).mid(21, 2), QByteArray("\xE2\x04", 2)); // code page 1250
    EXPECT_EQ(Content(input), QByteArray("[_id]\nCodepage=1250\n[end]\n"));
}

// The Latin words of a Russian text that are not names the user types (commands, options, their
// values, placeholders in capitals), separated by spaces: a text that missed its translation.
std::string UntranslatedWords(const std::string& text) {
    static const QStringList names = {
        "velmora", "typ",     "convert", "compile", "render",     "help",  "version",  "family",
        "product", "code",    "page",    "kind",    "index",      "night", "zoom",     "point",
        "line",    "polygon", "id",      "bmp",     "frobnicate", "area",  "map",      "png",
        "bbox",    "size",    "WxH",     "level",   "Garmin",     "Web",   "Mercator", "types"};
    std::string found;
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    for (const auto& match : word.globalMatch(QString::fromStdString(text))) {
        const QString w = match.captured();
        if (w == w.toUpper() || names.contains(w)) continue;
        found += w.toStdString() + " ";
    }
    return found;
}

TEST(CommandLine, WrongUsageShowsTheUsageAndExitsWithTwo) {
    const QStringList cases[] = {{},
                                 {"frobnicate"},
                                 {"convert"},
                                 {"convert", "a"},
                                 {"convert", "a", "b", "c"},
                                 {"render", "a", "b.bmp", "--kind", "area", "--index", "0"},
                                 {"render", "a", "b.bmp", "--kind", "point"},
                                 {"render", "a", "b.bmp", "--kind", "point", "--index", "0", "--zoom", "21"},
                                 {"compile", "a"},
                                 {"compile", "a", "b", "--family-id"},
                                 {"compile", "a", "b", "--family-id", "70000"},
                                 {"compile", "a", "b", "--code-page=x"},
                                 {"compile", "a", "b", "--frobnicate", "1"},
                                 {"map-types"},
                                 {"map-types", "a", "b", "c"}};
    for (const QStringList& args : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.ExitCode, 2) << args.join(' ').toStdString();
        // The whole usage, from velmora-typ itself, before any drawing program is started.
        EXPECT_NE(run.Err.find("Usage:\n  velmora-typ convert"), std::string::npos) << run.Err;
        EXPECT_EQ(run.Out, "");
        // The same in Russian, every word of it.
        const CliRun russian = RunCli(args, RussianEnvironment());
        EXPECT_EQ(russian.ExitCode, 2);
        EXPECT_NE(russian.Err.find("Использование:\n  velmora-typ convert"), std::string::npos)
            << russian.Err;
        EXPECT_EQ(UntranslatedWords(russian.Err), "") << russian.Err;
    }
}

TEST(CommandLine, HelpAndVersionGoToStandardOutput) {
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_NE(help.Out.find("velmora-typ convert INPUT OUTPUT"), std::string::npos) << help.Out;
    EXPECT_NE(help.Out.find(
                  "velmora-typ compile INPUT OUTPUT.typ [--family-id N] [--product-id N] [--code-page N]"),
              std::string::npos);
    EXPECT_EQ(help.Err, "");
    const CliRun version = RunCli({"--version"});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_EQ(version.Out, "velmora-typ Version 15.2010\n");
}

// The language of the texts follows the environment as Qt's locale reads it: the first entry of
// LANGUAGE, else LC_ALL, else LC_MESSAGES, else LANG; Russian for Russian, English otherwise.
TEST(CommandLine, SpeaksTheLanguageOfTheEnvironment) {
    const struct {
        std::map<QString, QString> Variables;
        bool Russian;
    } cases[] = {
        {{{"LANG", "ru_RU.UTF-8"}}, true},
        {{{"LANG", "ru_UA.UTF-8"}}, true},
        {{{"LANG", "ru"}}, true},
        {{{"LANG", "en_US.UTF-8"}}, false},
        {{{"LANG", "de_DE.UTF-8"}}, false},
        {{{"LANG", "C"}}, false},
        {{{"LANG", "POSIX"}}, false},
        {{}, false},
        {{{"LANGUAGE", "ru"}, {"LANG", "en_US.UTF-8"}}, true},
        {{{"LANGUAGE", ":ru:en"}, {"LANG", "en_US.UTF-8"}}, true},
        {{{"LANGUAGE", "en_GB:ru"}, {"LANG", "ru_RU.UTF-8"}}, false},
        {{{"LANGUAGE", ""}, {"LANG", "ru_RU.UTF-8"}}, true},
        {{{"LC_ALL", "ru_RU.UTF-8"}, {"LANG", "en_US.UTF-8"}}, true},
        {{{"LC_ALL", "de_DE.UTF-8"}, {"LC_MESSAGES", "ru_RU.UTF-8"}, {"LANG", "ru_RU.UTF-8"}}, false},
        {{{"LC_MESSAGES", "ru_RU.UTF-8"}, {"LANG", "C"}}, true},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "ru_RU.UTF-8"}}, true},
    };
    for (const auto& c : cases) {
        std::string label;
        for (const auto& [name, value] : c.Variables)
            label += name.toStdString() + "=" + value.toStdString() + " ";
        const QProcessEnvironment environment = LanguageEnvironment(c.Variables);
        const CliRun help = RunCli({"--help"}, environment);
        EXPECT_EQ(help.ExitCode, 0) << label;
        EXPECT_TRUE(help.Out.starts_with(c.Russian ? "Использование:\n" : "Usage:\n")) << label << help.Out;
        const CliRun wrong = RunCli({"frobnicate"}, environment);
        EXPECT_EQ(wrong.ExitCode, 2) << label;
        EXPECT_TRUE(wrong.Err.starts_with(c.Russian ? "velmora-typ: неизвестная команда «frobnicate»\n"
                                                    : "velmora-typ: unknown command 'frobnicate'\n"))
            << label << wrong.Err;
    }
}

TEST(CommandLine, RussianHelpHasNoEnglishButTheNamesTheUserTypes) {
    const CliRun help = RunCli({"--help"}, RussianEnvironment());
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_NE(help.Out.find("  velmora-typ compile INPUT OUTPUT.typ [--family-id N] [--product-id N] "
                            "[--code-page N]\n      скомпилировать"),
              std::string::npos)
        << help.Out;
    EXPECT_EQ(UntranslatedWords(help.Out), "") << help.Out;
}

// The messages of the subcommands and of the drawing program in Russian, file errors included; the
// engine's other texts (a compiler's reason, a warning's text) stay as they are.
TEST_F(Converter, MessagesOfTheSubcommandsComeInRussian) {
    const QString sample = QStringLiteral(VELMORA_SAMPLE_FILE);
    const QString warns = WriteInput("in.txt", "[_id]\nCodePage=1252\n[end]\n[_polygon]\nType=0x01\n"
                                               "String=0x19,\xC0\nXpm=\"0 0 1 0\"\n\"a c #112233\"\n[end]\n");
    const struct {
        QString Program;
        QStringList Args;
        std::string Expected;
    } cases[] = {
        {VELMORA_TYP_CLI,
         {"render", sample, Path("p.bmp"), "--kind", "polygon", "--index", "9"},
         "velmora-typ: индекс 9 вне диапазона: полигонов в " + sample.toStdString() + ": 1\n"},
        {VELMORA_TYP_RENDER, {}, "Использование: velmora-typ-render INPUT OUTPUT.bmp"},
        {VELMORA_TYP_CLI,
         {"convert", Path("missing.txt"), Path("out.txt")},
         "velmora-typ: Не удаётся открыть файл \"" + Path("missing.txt").toStdString() + "\". "},
        {VELMORA_TYP_CLI,
         {"convert", sample, QFileInfo(Path("x")).absolutePath()},
         "velmora-typ: Не удаётся создать файл \"" + QFileInfo(Path("x")).absolutePath().toStdString() +
             "\". имя файла указывает на папку\n"},
        {VELMORA_TYP_CLI,
         {"render-map", sample, sample, Path("m.png"), "--bbox", "1,1,0,0", "--size", "8x8"},
         "velmora-typ: --bbox 1,1,0,0 пуст: запад должен быть меньше востока"},
        {VELMORA_TYP_CLI,
         {"render-map", sample, sample, Path("m.png"), "--bbox", "0,0,1,1", "--size", "8x8"},
         "velmora-typ: Не удаётся открыть карту \"" + sample.toStdString() + "\"."},
        {VELMORA_TYP_CLI,
         {"compile", warns, Path("out.typ"), "--code-page", "1251"},
         "velmora-typ: " + warns.toStdString() +
             ": предупреждение: полигон типа 0x01 подтипа 0x00: подпись \"0x19,"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunProgram(c.Program, c.Args, RussianEnvironment());
        EXPECT_NE(run.Err.find(c.Expected), std::string::npos) << run.Err;
    }
    const CliRun usage = RunProgram(VELMORA_TYP_RENDER, {}, RussianEnvironment());
    EXPECT_EQ(UntranslatedWords(usage.Err), "") << usage.Err;
}

// Every text of the translation file has its finished Russian: lupdate marks a new text
// "unfinished", and -no-obsolete keeps no vanished ones.
TEST(CommandLine, EveryTextOfTheTranslationFileIsTranslated) {
    QFile file(QStringLiteral(VELMORA_TYP_TS_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << VELMORA_TYP_TS_FILE;
    const QString ts = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(ts.contains(QStringLiteral("<source>Usage:</source>")));
    for (const char* mark : {"type=\"unfinished\"", "type=\"vanished\"", "type=\"obsolete\"",
                             "<translation/>", "<translation></translation>"})
        EXPECT_FALSE(ts.contains(QString::fromLatin1(mark))) << mark;
}

} // namespace

namespace {

// A gmapsupp of the map tests' two fixture tiles, compiled by mkgmap with their style.
std::optional<std::filesystem::path> FixtureGmapsupp() {
    return velmora::test::Compile(VELMORA_MAP_TEST_DATA_DIR, {"objects.osm", "second.osm", "preview.txt"},
                                  "--code-page=1252 --lower-case", true);
}

bool HasRow(const std::string& out, const char* pattern) {
    return QRegularExpression(QStringLiteral("(^|\\n)") + QString::fromUtf8(pattern) + QStringLiteral("\\n"))
        .match(QString::fromStdString(out))
        .hasMatch();
}

} // namespace

TEST(CommandLine, MapTypesCountsTheTypesOfAMapAndSaysWhichTheStyleDefines) {
    const auto map = FixtureGmapsupp();
    if (!map) GTEST_SKIP() << "mkgmap is not installed or failed";
    const QString mapPath = QString::fromStdString(map->string());
    const QString style = QStringLiteral(VELMORA_MAP_TEST_DATA_DIR "/preview.txt");

    const CliRun bare = RunCli({"map-types", mapPath});
    EXPECT_EQ(bare.ExitCode, 0) << bare.Err;
    EXPECT_TRUE(HasRow(bare.Out, "kind +type +objects")) << bare.Out;
    // Each tile's cafe once, although the coarser levels repeat objects.
    EXPECT_TRUE(HasRow(bare.Out, "point +0x2a00 +2")) << bare.Out;

    const CliRun run = RunCli({"map-types", mapPath, style});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    for (const char* row :
         {"kind +type +objects +in style +in draw order", "point +0x2a00 +2 +yes", "point +0x11503 +1 +no",
          "line +0x06 +2 +yes", "line +0x10e07 +2 +no", "polygon +0x50 +1 +yes +yes",
          "polygon +0x3c +1 +no +yes", "polygon +0x10f04 +1 +no +no"})
        EXPECT_TRUE(HasRow(run.Out, row)) << row << "\n" << run.Out;

    const CliRun russian = RunCli({"map-types", mapPath, style}, RussianEnvironment());
    EXPECT_TRUE(HasRow(russian.Out, "вид +тип +объектов +в стиле +в порядке отрисовки")) << russian.Out;
    EXPECT_TRUE(HasRow(russian.Out, "полигон +0x50 +1 +да +да")) << russian.Out;
}

TEST_F(Converter, MapTypesOfAFileThatIsNoMapNamesItAndExitsWithOne) {
    const QString text = WriteInput("style.img", "[_point]\nType=0x2f\n[end]\n");
    const CliRun run = RunCli({"map-types", text});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err,
              "velmora-typ: Cannot open map \"" + text.toStdString() + "\". It is no Garmin IMG map.\n");
    const CliRun russian = RunCli({"map-types", text}, RussianEnvironment());
    EXPECT_EQ(russian.Err, "velmora-typ: Не удаётся открыть карту \"" + text.toStdString() +
                               "\". Это не карта в формате IMG.\n");
    const CliRun missing = RunCli({"map-types", Path("none.img")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_NE(missing.Err.find("Cannot open file \"" + Path("none.img").toStdString() + "\""),
              std::string::npos)
        << missing.Err;
}
