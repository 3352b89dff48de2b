#include "dialogs/Thr.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QToolButton>

#include <gtest/gtest.h>

namespace velmora {
namespace {

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A stand-in for the compiler: writes its arguments one per line, then after two seconds a marker.
QString WriteFakeCompiler(const QTemporaryDir& dir) {
    const QString path = dir.filePath("cgpsmapper");
    QFile script(path);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\n"
                 "printf '%s\\n' \"$@\" > \"$(dirname \"$0\")/args.tmp\"\n"
                 "mv \"$(dirname \"$0\")/args.tmp\" \"$(dirname \"$0\")/args\"\n"
                 "echo output that nobody reads\n"
                 "sleep 2\n"
                 "touch \"$(dirname \"$0\")/finished\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

bool WaitForFile(const QString& path, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(path) && timer.elapsed() < milliseconds)
        QThread::msleep(20);
    return QFile::exists(path);
}

struct ThrFixture : testing::Test {
    QTemporaryDir Dir;
    QString IniPath = Dir.filePath("Velmora.ini");
    QSettings Settings{IniPath, QSettings::IniFormat};
    TOKBottomDlg Dialog;
    void SetUp() override {
        ASSERT_TRUE(Dir.isValid());
        Dialog.Settings = &Settings;
    }
};

TEST_F(ThrFixture, FirstUseChoosesTheBuiltInCompilerLeavesTheFieldEmptyAndWritesNothing) {
    EXPECT_EQ(Dialog.windowTitle(), "Создание TYP-файла");
    EXPECT_EQ(Dialog.RadioButton1->text(), "Встроенный компилятор");
    EXPECT_EQ(Dialog.Label1->text(), "Путь к cGPSMapper");
    Dialog.FormActivate();
    EXPECT_TRUE(Dialog.RadioButton1->isChecked());
    EXPECT_FALSE(Dialog.RadioButton2->isChecked());
    EXPECT_TRUE(BuiltInCompilerChosen(&Settings));
    EXPECT_EQ(Dialog.Edit1->text(), "");
    EXPECT_FALSE(QFile::exists(IniPath));
}

TEST_F(ThrFixture, ChoiceOfCompilerIsStoredAtOnceAndShownAfterARestart) {
    Dialog.FormActivate();
    Dialog.RadioButton2->click();
    EXPECT_TRUE(ReadAll(IniPath).contains("[Path]\nBuiltInCompiler=false\n"))
        << ReadAll(IniPath).toStdString();
    {
        TOKBottomDlg again;
        QSettings reread(IniPath, QSettings::IniFormat);
        again.Settings = &reread;
        again.FormActivate();
        EXPECT_TRUE(again.RadioButton2->isChecked());
        EXPECT_FALSE(BuiltInCompilerChosen(&reread));
    }
    Dialog.RadioButton1->click();
    QSettings reread(IniPath, QSettings::IniFormat);
    EXPECT_TRUE(BuiltInCompilerChosen(&reread));
}

TEST_F(ThrFixture, OkWithTheBuiltInCompilerStartsNothing) {
    Dialog.Edit1->setText(WriteFakeCompiler(Dir));
    Dialog.InputFile = Dir.filePath("style.txt");
    Dialog.show();
    Dialog.OKBtnClick();
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(WaitForFile(Dir.filePath("args"), 1500));
}

TEST_F(ThrFixture, OutsideCompilerThatMayNotStartClosesTheDialogWithCancel) {
    Dialog.show();
    Dialog.RadioButton2->click();
    Dialog.Edit1->setText(WriteFakeCompiler(Dir));
    Dialog.InputFile = Dir.filePath("style.txt");
    int asked = 0;
    Dialog.MayStartOutsideCompiler = [&] {
        ++asked;
        return false;
    };
    Dialog.OKBtnClick();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(WaitForFile(Dir.filePath("args"), 1500));
}

TEST_F(ThrFixture, PathOfTheOutsideCompilerIsOnlyOfferedWhileItIsChosen) {
    Settings.setValue(CompilerChoiceKey, false);
    Dialog.FormActivate();
    const auto pathEnabled = [&] {
        const bool field = Dialog.Edit1->isEnabled();
        EXPECT_EQ(Dialog.SpeedButton1->isEnabled(), field);
        EXPECT_EQ(Dialog.Label1->isEnabled(), field);
        return field;
    };
    EXPECT_TRUE(pathEnabled());
    Dialog.RadioButton1->click();
    EXPECT_FALSE(pathEnabled());
    Dialog.RadioButton2->click();
    EXPECT_TRUE(pathEnabled());
    TOKBottomDlg fresh; // the built-in compiler is the default
    fresh.FormActivate();
    EXPECT_FALSE(fresh.Edit1->isEnabled());
    EXPECT_FALSE(fresh.SpeedButton1->isEnabled());
}

TEST_F(ThrFixture, EveryChangeOfThePathIsStoredAtOnce) {
    Dialog.RadioButton2->click();
    QTest::keyClicks(Dialog.Edit1, "/opt/c");
    EXPECT_TRUE(ReadAll(IniPath).contains("cGPSMapper=/opt/c\n")) << ReadAll(IniPath).toStdString();
    QTest::keyClick(Dialog.Edit1, Qt::Key_G);
    EXPECT_TRUE(ReadAll(IniPath).contains("cGPSMapper=/opt/cg\n"));
}

TEST_F(ThrFixture, BrowsedPathIsShownStoredOfferedAgainAndTheFolderRestored) {
    const QString workFolder = QDir::currentPath();
    Dialog.WorkFolder = workFolder;
    QString offered;
    Dialog.BrowseForCompiler = [&](const QString& initial) -> std::optional<QString> {
        offered = initial;
        QDir::setCurrent(Dir.path()); // a dialog that wandered off
        return QStringLiteral("/opt/cgps/cgpsmapper");
    };
    Dialog.SpeedButton1Click();
    EXPECT_EQ(Dialog.Edit1->text(), "/opt/cgps/cgpsmapper");
    EXPECT_EQ(QDir::currentPath(), workFolder);
    EXPECT_EQ(QSettings(IniPath, QSettings::IniFormat).value("Path/cGPSMapper").toString(),
              "/opt/cgps/cgpsmapper");

    // After a restart a new dialog offers the stored path.
    TOKBottomDlg again;
    QSettings reread(IniPath, QSettings::IniFormat);
    again.Settings = &reread;
    again.FormActivate();
    EXPECT_EQ(again.Edit1->text(), "/opt/cgps/cgpsmapper");
    again.BrowseForCompiler = [&](const QString& initial) -> std::optional<QString> {
        offered = initial;
        return std::nullopt;
    };
    again.SpeedButton1Click();
    EXPECT_EQ(offered, "/opt/cgps/cgpsmapper");
    EXPECT_EQ(again.Edit1->text(), "/opt/cgps/cgpsmapper");
}

TEST_F(ThrFixture, OkStartsTheCompilerDetachedWithTheInputAsOneArgument) {
    const QString compiler = WriteFakeCompiler(Dir);
    Dialog.Edit1->setText(compiler);
    Dialog.InputFile = Dir.filePath("My Typ File.txt");
    Dialog.show();
    Dialog.RadioButton2->click();
    Dialog.MayStartOutsideCompiler = [] { return true; };
    Dialog.OKBtnClick();
    // The call came back while the compiler is still sleeping.
    EXPECT_FALSE(QFile::exists(Dir.filePath("finished")));
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(Dialog.isVisible());
    ASSERT_TRUE(WaitForFile(Dir.filePath("args"), 10000));
    EXPECT_EQ(ReadAll(Dir.filePath("args")), "typ\n-q\n" + Dir.filePath("My Typ File.txt") + "\n");
    EXPECT_TRUE(WaitForFile(Dir.filePath("finished"), 10000));
}

TEST_F(ThrFixture, CompilerThatCannotStartIsNotReported) {
    Dialog.Edit1->setText(Dir.filePath("no-such-compiler"));
    EXPECT_FALSE(Dialog.StartCompiler());
    Dialog.Edit1->clear();
    EXPECT_FALSE(Dialog.StartCompiler());
    Dialog.show();
    Dialog.RadioButton2->click();
    Dialog.OKBtnClick();
    EXPECT_EQ(Dialog.result(), QDialog::Accepted);
}

} // namespace
} // namespace velmora
