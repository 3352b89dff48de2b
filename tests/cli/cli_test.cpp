// Runs the built velmora-typ as a user would and checks exit status, output and files.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <string>

namespace {

struct CliRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

CliRun RunProgram(const QString& program, const QStringList& args,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
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

CliRun RunCli(const QStringList& args) {
    return RunProgram(QStringLiteral(VELMORA_TYP_CLI), args);
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
    // An empty document: no header lines of its own.
    EXPECT_TRUE(
        text.contains("\r\n\r\n\r\n[_point]\r\nType=0x2F\r\nSubType=0x00\r\nstring1=0x04,Bank\r\n[end]\r\n"));
}

TEST_F(Converter, ConvertsTheProjectSample) {
    const QString output = Path("sample.txt");
    const CliRun run = RunCli({"convert", QStringLiteral(VELMORA_SAMPLE_FILE), output});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_TRUE(Content(output).contains("[_point]"));
}

TEST_F(Converter, ConversionErrorWritesNoOutputAndExitsWithOne) {
    const QString input = WriteInput("bad.txt", "[_point]\nType=0x2f\n[end]\n[_line]\nLineWidth=3a\n[end]\n");
    const QString output = Path("out.txt");
    const CliRun run = RunCli({"convert", input, output});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Err.find("'3a' is not a valid integer value"), std::string::npos) << run.Err;
    EXPECT_FALSE(QFile::exists(output));
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

// Qt is loaded only for drawing: the converter starts without it.
TEST_F(Converter, LoadsNoQtLibrary) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
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
                                 {"compile", "a", "b", "--frobnicate", "1"}};
    for (const QStringList& args : cases) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.ExitCode, 2) << args.join(' ').toStdString();
        // The whole usage, from velmora-typ itself, before any drawing program is started.
        EXPECT_NE(run.Err.find("Usage:\n  velmora-typ convert"), std::string::npos) << run.Err;
        EXPECT_EQ(run.Out, "");
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

} // namespace
