#include "model/text_format.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace velmora {
namespace {

std::string FileContent(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(FileIo, ReadsAFileByteForByte) {
    const std::string text = ReadWholeFile(VELMORA_TEST_DATA_DIR "/mixed_line_ends.txt");
    EXPECT_EQ(text, std::string("[_line]\r\nType=0x01\rstring1=0x04,\x1a"
                                "A\n[end]\r\n"));
}

// The system's reason comes in the user's language only where the user's locale is UTF-8: another
// character set, or none installed, would give transliterated or foreign bytes, so it is English then.
TEST(FileIo, SystemReasonIsEnglishUnlessTheUsersLocaleIsUtf8) {
    EXPECT_EQ(SystemErrorText(ENOENT, false), "No such file or directory");
    const char* before = std::getenv("LC_ALL");
    const std::string saved = before ? before : "";
    for (const char* locale : {"C", "POSIX", "ru_RU.KOI8-R", "xx_XX.UTF-8"}) {
        ::setenv("LC_ALL", locale, 1);
        EXPECT_EQ(SystemErrorText(ENOENT, true), "No such file or directory") << locale;
    }
    // Russian where that locale is installed, English otherwise; never Russian spelt in Latin letters.
    ::setenv("LC_ALL", "ru_RU.UTF-8", 1);
    const std::string russian = SystemErrorText(ENOENT, true);
    EXPECT_TRUE(russian == "No such file or directory" ||
                std::any_of(russian.begin(), russian.end(), [](char c) { return uint8_t(c) >= 0x80; }))
        << russian;
    if (before)
        ::setenv("LC_ALL", saved.c_str(), 1);
    else
        ::unsetenv("LC_ALL");
}

TEST(FileIo, ReadingAMissingFileNamesIt) {
    try {
        ReadWholeFile("/nonexistent-folder/missing.txt");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("\"/nonexistent-folder/missing.txt\""), std::string::npos)
            << error.what();
    }
}

TEST(FileIo, WritingReplacesTheWholeFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("out.txt").toStdString();
    WriteFileAtomically(path, std::string("a long first content\r\n"));
    WriteFileAtomically(path, std::string("x\0y", 3));
    EXPECT_EQ(FileContent(path), std::string("x\0y", 3));
}

TEST(FileIo, FailedWriteNamesTheFileAndLeavesWhatStoodThere) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // A folder in the place of the file: it cannot be replaced by a file.
    const std::string path = folder.filePath("taken").toStdString();
    std::filesystem::create_directory(path);
    std::ofstream(path + "/inside.txt") << "kept";
    try {
        WriteFileAtomically(path, "new");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("\"" + path + "\""), std::string::npos) << error.what();
    }
    EXPECT_EQ(FileContent(path + "/inside.txt"), "kept");
    EXPECT_THROW(WriteFileAtomically(folder.filePath("no/such/folder.txt").toStdString(), "x"), FileError);
}

// A disk that fills up in the middle of a save, played by a file-size limit: the save must fail
// and leave the old file whole, not put a cut-off file in its place and report success.
TEST(FileIo, ShortWriteFailsAndKeepsTheOldFile) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("old.txt").toStdString();
    std::ofstream(path) << "old content";
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limit = old;
    limit.rlim_cur = 300;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    bool failed = false;
    try {
        WriteFileAtomically(path, std::string(1000, 'x'));
    } catch (const FileError&) {
        failed = true;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(failed);
    EXPECT_EQ(FileContent(path), "old content");
    // The cut-off temporary file is gone too.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path().toStdString()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(FileIo, ReadingAFolderSaysSo) {
    try {
        ReadWholeFile(VELMORA_TEST_DATA_DIR);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file \"" VELMORA_TEST_DATA_DIR "\". file to open is a directory");
    }
}

// Saving replaces the content, not the file's nature: its permissions stay, and a symbolic link
// stays a link to the file it named.
TEST(FileIo, WritingKeepsPermissionsAndLinks) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    namespace fs = std::filesystem;
    const fs::path file = folder.filePath("style.txt").toStdString();
    const fs::path link = folder.filePath("link.txt").toStdString();
    std::ofstream(file) << "old";
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(file, link);

    WriteFileAtomically(link.string(), "new");

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(FileContent(file.string()), "new");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

} // namespace
} // namespace velmora
