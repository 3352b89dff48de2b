// The compiler dialog "Создание TYP-файла": where cGPSmapper is, kept in the settings file at every
// change, and the start of the compiler on the text file last opened or saved.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;
class QToolButton;

namespace velmora {

// Section "Path", key "cGPSMapper" of Velmora.ini.
inline constexpr const char* CompilerPathKey = "Path/cGPSMapper";

class TOKBottomDlg : public QDialog {
  public:
    explicit TOKBottomDlg(QWidget* parent = nullptr);

    // Set by the caller before the dialog is shown.
    QSettings* Settings = nullptr; // not owned
    QString InputFile;             // the text file last opened or saved, or empty
    QString WorkFolder;            // the current directory after browsing

    // Loads the stored path; runs every time the dialog is shown.
    void FormActivate();
    // Stores the path field's text at once.
    void Edit1Change();
    // Browses for the compiler's program file.
    void SpeedButton1Click();
    // Starts the compiler and closes the dialog with OK.
    void OKBtnClick();

    // Starts the compiler without waiting for it, its output discarded; whether it started.
    bool StartCompiler() const;

    // The file-open dialog of the browse button: the chosen file, or none. Replaceable so that the
    // dialog can be driven without modal loops.
    std::function<std::optional<QString>(const QString& initialFile)> BrowseForCompiler;
    // The proposed name of the file-open dialog (FormActivate sets it to the path field's text).
    QString OpenDialog1FileName;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace velmora
