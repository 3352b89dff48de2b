// The compiler dialog "Создание TYP-файла": the choice between the built-in compiler and the outside
// program cGPSmapper, where cGPSmapper is, both kept in the settings file at every change, and the
// start of cGPSmapper on the text file last opened or saved.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSettings;
class QToolButton;

namespace velmora {

// Section "Path", key "cGPSMapper" of Velmora.ini.
inline constexpr const char* CompilerPathKey = "Path/cGPSMapper";
// Section "Path", key "BuiltInCompiler": true (the default) for the built-in compiler, false for
// cGPSMapper.
inline constexpr const char* CompilerChoiceKey = "Path/BuiltInCompiler";

// Whether the settings choose the built-in compiler; it is chosen until the user picks cGPSMapper.
bool BuiltInCompilerChosen(const QSettings* settings);

class TOKBottomDlg : public QDialog {
    Q_OBJECT

  public:
    explicit TOKBottomDlg(QWidget* parent = nullptr);

    // Set by the caller before the dialog is shown.
    QSettings* Settings = nullptr; // not owned
    QString InputFile;             // the text file last opened or saved, or empty
    QString WorkFolder;            // the current directory after browsing
    // Asked on OK before cGPSMapper starts; false keeps it from starting and closes the dialog
    // with Cancel. Empty: it starts.
    std::function<bool()> MayStartOutsideCompiler;

    // Loads the stored choice and path; runs every time the dialog is shown.
    void FormActivate();
    // Stores the compiler chosen by the radio buttons at once.
    void RadioButtonClick();
    // The path of cGPSMapper is of use only while cGPSMapper is chosen: its caption, field and browse
    // button follow the choice.
    void EnablePathControls();
    // Stores the path field's text at once.
    void Edit1Change();
    // Browses for the compiler's program file.
    void SpeedButton1Click();
    // Starts cGPSMapper when it is chosen and closes the dialog with OK; with the built-in compiler
    // the caller compiles.
    void OKBtnClick();

    // Starts the compiler without waiting for it, its output discarded; whether it started.
    bool StartCompiler() const;

    // The file-open dialog of the browse button: the chosen file, or none. Replaceable so that the
    // dialog can be driven without modal loops.
    std::function<std::optional<QString>(const QString& initialFile)> BrowseForCompiler;
    // The proposed name of the file-open dialog (FormActivate sets it to the path field's text).
    QString OpenDialog1FileName;

    QRadioButton* RadioButton1 = nullptr; // "Встроенный компилятор"
    QRadioButton* RadioButton2 = nullptr; // "Внешняя программа cGPSMapper"
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace velmora
