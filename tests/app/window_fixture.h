// A main window with scripted prompts, its settings file in a folder of its own, and helpers to
// open the test files.
#pragma once

#include "app/TForm1.h"
#include "commands/edit_history.h"
#include "dialogs/Thr.h"
#include "tests/app/ScriptedPrompts.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

// Test failures print the text of a QString.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace velmora {

inline QString TestDataFile(const char* name) {
    return QDir(QStringLiteral(VELMORA_TEST_DATA_DIR)).filePath(name);
}

inline QString CorpusFile(const char* name) {
    return QDir::cleanPath(QDir(QStringLiteral(VELMORA_CORPUS_DIR)).filePath(name));
}

inline bool CorpusHas(const char* name) {
    return QFile::exists(CorpusFile(name));
}

#define VELMORA_NEED_CORPUS(name)                                                                            \
    if (!CorpusHas(name)) GTEST_SKIP() << "corpus file " name " not found in " VELMORA_CORPUS_DIR

inline std::string FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

class WindowTest : public testing::Test {
  protected:
    void SetUp() override {
        StartFolder = QDir::currentPath();
        ASSERT_TRUE(Temp.isValid());
        Form = std::make_unique<TForm1>(Prompts, Temp.path());
    }
    void TearDown() override {
        Form.reset();
        QDir::setCurrent(StartFolder);
    }

    // The open command with the file chosen in its dialog.
    void OpenText(const QString& path) {
        Prompts.AnswerOpenFile(path);
        Form->ToolButton1Click();
    }
    void ImportCompiled(const QString& path) {
        Prompts.AnswerOpenFile(path);
        Form->ToolButton13Click();
    }
    // cGPSMapper chosen in the compiler dialog (the built-in compiler is the default).
    void ChooseOutsideCompiler() {
        Form->IniFile->setValue(CompilerChoiceKey, false);
        Form->IniFile->sync();
        Form->UpdateCompileCommand();
    }
    void ChooseKind(int kind) {
        Form->SetChosenKindSilently(kind);
        Form->RadioGroup1Click();
    }
    void ChooseObject(int index) {
        Form->ComboBox1->setCurrentIndex(index);
        Form->ComboBox1Change();
    }
    // The caption as shown while nothing is unsaved: without Qt's place of the unsaved mark.
    QString Caption() const { return Form->windowTitle().remove(QStringLiteral("[*]")); }
    QString TempFile(const char* name) const { return QDir(Temp.path()).filePath(name); }
    int ObjectCount() const {
        return int(Form->Document.PointList.size() + Form->Document.LineList.size() +
                   Form->Document.PolygonList.size());
    }

    QString StartFolder;
    QTemporaryDir Temp;
    ScriptedPrompts Prompts;
    std::unique_ptr<TForm1> Form;
};

} // namespace velmora
