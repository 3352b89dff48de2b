// velmora-typ render, run as the program it is.
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Tool = QStringLiteral(VELMORA_TYP_TOOL);
const QString Sample = QStringLiteral(VELMORA_EXAMPLES_DIR "/sample.txt");

int RunTool(const QStringList& args) {
    QProcess process;
    process.start(Tool, args);
    if (!process.waitForFinished(30000)) return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QRgb Rgb(uint32_t rrggbb) {
    return qRgb(int(rrggbb >> 16), int(rrggbb >> 8 & 0xFF), int(rrggbb & 0xFF));
}

TEST(RenderCommand, DrawsTheSamplePointAsA24BitBmpOfTheMagnifiedGrid) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString output = dir.filePath("point.bmp");
    ASSERT_EQ(RunTool({"render", Sample, output, "--kind", "point", "--index", "0"}), 0);

    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 30);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(uint8_t(bytes[28]), 24) << "bits per pixel";

    // "abba" / "baab", a red, b transparent, at cell size 20.
    const QImage image(output);
    ASSERT_EQ(image.size(), QSize(80, 40));
    EXPECT_EQ(image.pixel(17, 17), Rgb(0xFF0000));
    EXPECT_EQ(image.pixel(37, 17), Rgb(0xFFFFFF));
    EXPECT_EQ(image.pixel(17, 37), Rgb(0xFFFFFF));
    EXPECT_EQ(image.pixel(57, 37), Rgb(0xFF0000));
    EXPECT_EQ(image.pixel(20, 5), Rgb(0x000000));
    EXPECT_EQ(image.pixel(5, 20), Rgb(0x000000));
    EXPECT_EQ(image.pixel(79, 5), Rgb(0xFFFFFF));
}

TEST(RenderCommand, ZoomAndKindChooseThePicture) {
    QTemporaryDir dir;
    const QString output = dir.filePath("x.bmp");
    ASSERT_EQ(RunTool({"render", Sample, output, "--kind", "polygon", "--index", "0", "--zoom", "3"}), 0);
    EXPECT_EQ(QImage(output).size(), QSize(96, 96));
    ASSERT_EQ(RunTool({"render", Sample, output, "--kind", "line", "--index", "0", "--night"}), 0);
    EXPECT_EQ(QImage(output).size(), QSize(100, 200)) << "the colour squares of a line without bitmap";
}

TEST(RenderCommand, RefusesBadArgumentsWithUsageAndBadFilesWithFailure) {
    QTemporaryDir dir;
    const QString output = dir.filePath("x.bmp");
    struct Case {
        QStringList Args;
        int Exit;
    };
    const Case cases[] = {
        {{"--kind", "dot", "--index", "0"}, 2},
        {{"--kind", "point", "--index", "1"}, 2},
        {{"--kind", "point", "--index", "-1"}, 2},
        {{"--kind", "point"}, 2},
        {{"--index", "0"}, 2},
        {{"--kind", "point", "--index", "0", "--zoom", "0"}, 2},
        {{"--kind", "point", "--index", "0", "--zoom", "21"}, 2},
        {{"--kind", "point", "--index", "0", "--sideways"}, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunTool(QStringList{"render", Sample, output} + c.Args), c.Exit)
            << c.Args.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(output)) << c.Args.join(' ').toStdString();
    }
    EXPECT_EQ(RunTool({"render", dir.filePath("absent.txt"), output, "--kind", "point", "--index", "0"}), 1);
    EXPECT_EQ(
        RunTool({"render", Sample, dir.filePath("no/such/folder/x.bmp"), "--kind", "point", "--index", "0"}),
        1);
}

} // namespace
