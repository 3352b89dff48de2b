#include "dialogs/Thr.h"

#include "commands/compiler_command.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>

namespace velmora {

bool BuiltInCompilerChosen(const QSettings* settings) {
    return !settings || settings->value(CompilerChoiceKey, true).toBool();
}

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Создание TYP-файла"));
    setFixedSize(358, 138);

    RadioButton1 = new QRadioButton(tr("Встроенный компилятор"), this);
    RadioButton1->setGeometry(8, 6, 340, 20);
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(tr("Внешняя программа cGPSMapper"), this);
    RadioButton2->setGeometry(8, 28, 340, 20);
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { RadioButtonClick(); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { RadioButtonClick(); });

    Label1 = new QLabel(tr("Путь к cGPSMapper"), this);
    Label1->setGeometry(26, 52, 200, 16);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(26, 70, 307, 21);
    connect(Edit1, &QLineEdit::textChanged, this, [this] { Edit1Change(); });
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setGeometry(334, 70, 21, 21);
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(RadioButton2, &QRadioButton::toggled, this, [this] { EnablePathControls(); });
    EnablePathControls();

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(98, 104, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setGeometry(184, 104, 75, 25);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    BrowseForCompiler = [this](const QString& initialFile) -> std::optional<QString> {
        QFileDialog dialog(this, QString(), QFileInfo(initialFile).path(),
                           tr("cGPSMapper (cgpsmapper* *.exe);;Все файлы (*)"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::ReadOnly, false);
        dialog.setDefaultSuffix(QStringLiteral("exe"));
        if (!initialFile.isEmpty()) dialog.selectFile(initialFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().front();
    };
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TOKBottomDlg::FormActivate() {
    // Showing the stored choice writes nothing: only a click stores it.
    if (Settings) {
        (BuiltInCompilerChosen(Settings) ? RadioButton1 : RadioButton2)->setChecked(true);
        Edit1->setText(Settings->value(CompilerPathKey, Edit1->text()).toString());
    }
    OpenDialog1FileName = Edit1->text();
}

void TOKBottomDlg::EnablePathControls() {
    const bool outside = RadioButton2->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Edit1), static_cast<QWidget*>(SpeedButton1)})
        control->setEnabled(outside);
}

void TOKBottomDlg::RadioButtonClick() {
    if (!Settings) return;
    Settings->setValue(CompilerChoiceKey, RadioButton1->isChecked());
    Settings->sync();
}

void TOKBottomDlg::Edit1Change() {
    if (!Settings) return;
    Settings->setValue(CompilerPathKey, Edit1->text());
    Settings->sync();
}

void TOKBottomDlg::SpeedButton1Click() {
    const std::optional<QString> chosen = BrowseForCompiler(OpenDialog1FileName);
    if (chosen) {
        Edit1->setText(QDir::toNativeSeparators(*chosen));
        OpenDialog1FileName = Edit1->text();
    }
    if (!WorkFolder.isEmpty()) QDir::setCurrent(WorkFolder);
}

bool TOKBottomDlg::StartCompiler() const {
    const CompilerCall call = CompilerCommandLine(Edit1->text(), InputFile);
    if (call.Program.isEmpty()) return false;
    QProcess process;
    process.setProgram(call.Program);
    process.setArguments(call.Arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

void TOKBottomDlg::OKBtnClick() {
    if (RadioButton2->isChecked()) {
        if (MayStartOutsideCompiler && !MayStartOutsideCompiler()) {
            reject();
            return;
        }
        StartCompiler();
    }
    accept();
}

} // namespace velmora
