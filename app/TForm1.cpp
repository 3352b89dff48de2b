#include "app/TForm1.h"
#include "app/language.h"

#include "app/Ab.h"
#include "app/creation_mode.h"
#include "app/map_preview.h"
#include "app/settings_file.h"

#include "commands/catalogues.h"
#include "commands/edit_commands.h"
#include "commands/edit_history.h"
#include "model/text_format.h"
#include "view/display.h"
#include "view/matrix.h"
#include "view/properties.h"
#include "view/render.h"
#include "view/transparency.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTextCursor>

#include <exception>

namespace velmora {

namespace {

// Texts are translated when they are shown, so that they follow the translator installed at start.
QString FormCaption() {
    return TForm1::tr("Редактор TYP-файла");
}
QString LoadingText() {
    return TForm1::tr("Идёт загрузка файла, подождите");
}
QString UnsavedChangesQuestion() {
    return TForm1::tr("Были внесены изменения!\rФайл надо записать?");
}

std::string ToLocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

// The wait cursor and the loading text in the first status panel for as long as a load runs.
class LoadingIndicator {
  public:
    explicit LoadingIndicator(QLabel* panel) : Panel(panel) {
        // A message of the last command (the compiled file) would hide the panel.
        if (auto* bar = qobject_cast<QStatusBar*>(Panel->parentWidget())) bar->clearMessage();
        Panel->setText(LoadingText());
        QApplication::setOverrideCursor(Qt::WaitCursor);
        // The text must be on screen before the reading blocks the window.
        Panel->repaint();
    }
    ~LoadingIndicator() {
        QApplication::restoreOverrideCursor();
        Panel->clear();
    }
    LoadingIndicator(const LoadingIndicator&) = delete;
    LoadingIndicator& operator=(const LoadingIndicator&) = delete;

  private:
    QLabel* Panel;
};

QStringList SplitLines(const QString& text) {
    return text.split(u'\n');
}

} // namespace

TForm1::TForm1(Prompts& prompts, const QString& settingsFolder, QWidget* parent)
    : QMainWindow(parent), Dialogs(prompts) {
    EnsureResources();
    Clock.start();
    setObjectName(QStringLiteral("Form1"));
    SetCaption(FormCaption());
    resize(941, 792);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect available = screen->availableGeometry();
        move(available.center() - QPoint(941 / 2, 792 / 2));
    }
    CreateActions();
    CreateMenu();
    CreateToolBar();
    CreateStatusBar();
    CreateClientArea();
    Creation =
        new CreationMode({RadioGroup2, RadioGroup2Box, RadioGroup1Box, ComboBox1,      ComboBox4,
                          Edit3,       Edit1,          SpinEdit1,      SpinEdit2,      SpinEdit3,
                          SpinEdit4,   SpinEdit5,      SpinEdit6,      ComboBox5,      CheckBox1,
                          BitBtn1,     BitBtn2,        LabelStyleBox,  PropertyColumn, StatusPanels[0]},
                         this);
    CreateMapPreview();
    ConnectControls();
    SettingsFolder = settingsFolder;
    FormCreate();
}

TForm1::~TForm1() {
    // The session and its history empty themselves when they go; the window must not follow that
    // half destroyed.
    QObject::disconnect(&Session, nullptr, this, nullptr);
    QObject::disconnect(&History->Stack(), nullptr, this, nullptr);
}

// ---------------------------------------------------------------------------------------------
// Start-up and shutdown

void TForm1::FormCreate() {
    ComboBox2->setCurrentIndex(-1);
    TracingPicture = QImage();
    {
        QSignalBlocker block(ComboBox3);
        ComboBox3->setCurrentIndex(DefaultLanguageRow);
    }
    // The settings file keeps the compiler, the layout and the interface language.
    IniFile = std::make_unique<QSettings>(
        SettingsFolder.isEmpty() ? StartSettingsFile()
                                 : QDir(SettingsFolder).filePath(QLatin1String(SettingsFileName)),
        QSettings::IniFormat);
    RestoreLayout();
    ShowLanguageSetting();
    // The clipboard format "Garmin" needs no registration: it is a MIME type of the clipboard's data.
    {
        QSignalBlocker block(ComboBox5);
        ComboBox5->setCurrentIndex(0);
    }
    Session.New();
    UpdateCompileCommand();
    ShowHeaderLines();
    RadioGroup1Click();
    HistoryChanged();
}

void TForm1::SetCaption(const QString& text) {
    setWindowTitle(text + QStringLiteral("[*]"));
    setWindowModified(Document.Modified);
}

void TForm1::HistoryChanged() {
    setWindowModified(Document.Modified);
    const QUndoStack& stack = History->Stack();
    const auto follow = [this](QAction* action, const QString& verb, bool can, const QString& step) {
        action->setEnabled(can && !Creation->Active());
        action->setText(can ? QStringLiteral("&%1: %2").arg(verb, step) : QStringLiteral("&") + verb);
        action->setToolTip(can ? QStringLiteral("%1: %2").arg(verb, step) : verb);
    };
    follow(Undo1, tr("Отменить"), stack.canUndo(), stack.undoText());
    follow(Redo1, tr("Повторить"), stack.canRedo(), stack.redoText());
}

void TForm1::Undo1Click() {
    if (Creation->Active()) return;
    if (std::optional<StepSubject> subject = History->Undo()) ShowStepSubject(*subject);
}

void TForm1::Redo1Click() {
    if (Creation->Active()) return;
    if (std::optional<StepSubject> subject = History->Redo()) ShowStepSubject(*subject);
}

void TForm1::ShowStepSubject(const StepSubject& subject) {
    ShowHeaderLines();
    if (subject.Kind < 0) {
        ShowMatrix();
        return;
    }
    // The step's object is shown in the view it was changed in, so that the user sees what undo did.
    SetChosenKindSilently(subject.Kind);
    if (subject.View && subject.Object && subject.Object->Kind == KindPoint &&
        subject.Object->XpmHeader[size_t(*subject.View)].Width != 0)
        SetShownViewSilently(*subject.View);
    RadioGroup1Click();
    const ObjectList& list = Document.List(subject.Kind);
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == subject.Object) {
            ChooseObjectSilently(int(i));
            break;
        }
}

bool TForm1::FormClose() {
    if (!Document.Modified) return true;
    switch (Dialogs.Ask(UnsavedChangesQuestion(), QuestionButtons::YesNoCancel, MessageKind::Warning)) {
    case Answer::No:
        return true;
    case Answer::Yes:
        // A cancelled or failed save keeps the window open, so the changes are not lost.
        return SaveDocument();
    default:
        return false;
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (FormClose()) {
        SaveLayout();
        event->accept();
    } else {
        event->ignore();
    }
}

namespace {

const QString WindowGeometryKey = QStringLiteral("Window/Geometry");
const QString SplitterKey = QStringLiteral("Window/Splitter");

} // namespace

void TForm1::RestoreLayout() {
    const QByteArray geometry = IniFile->value(WindowGeometryKey).toByteArray();
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    const QByteArray splitter = IniFile->value(SplitterKey).toByteArray();
    if (!splitter.isEmpty()) Splitter1->restoreState(splitter);
    RestoreMapPreview();
}

void TForm1::SaveLayout() {
    IniFile->setValue(WindowGeometryKey, saveGeometry());
    IniFile->setValue(SplitterKey, Splitter1->saveState());
    SaveMapPreview();
    SaveSettings();
}

bool TForm1::SaveSettings() {
    const bool written = WriteSettings(*IniFile);
    ReportUnwritableSettings();
    return written;
}

void TForm1::ReportUnwritableSettings() {
    if (IniFile->status() != QSettings::AccessError || UnwritableSettingsReported) return;
    UnwritableSettingsReported = true;
    StatusBar1->showMessage(tr("Настройки не сохраняются: нельзя записать файл %1")
                                .arg(QDir::toNativeSeparators(IniFile->fileName())));
}

void TForm1::N5Click() {
    close();
}

void TForm1::N8Click() {
    Dialogs.ShowAbout();
}

void TForm1::N9Click() {
    Dialogs.ShowHelp();
}

// ---------------------------------------------------------------------------------------------
// Open, save, import

bool TForm1::MayDiscardDocument() {
    return FormClose();
}

QString TForm1::OpenFailureMessage(const std::exception& error) {
    return DocumentSession::OpenFailureMessage(error);
}

void TForm1::ToolButton1Click() {
    if (!MayDiscardDocument()) return;
    Document.WorkFolder = ToLocalPath(QDir::currentPath());
    std::optional<QString> fileName =
        Dialogs.OpenFileName({tr("Открыть"), tr("Garmin текст (*.txt)"), OpenDialog1FileName});
    if (!fileName) return;
    // A compiled file chosen here is imported, not read as an empty text: its signature decides.
    LoadFile(*fileName, KindRule::Signature);
}

void TForm1::LoadFile(const QString& fileName, KindRule rule) {
    // The import command proposes its file next time even when it could not be read.
    if (rule == KindRule::Compiled) OpenDialog3FileName = fileName;
    ShowOpened([&] { return Session.Open(fileName, rule); }, fileName);
}

void TForm1::ShowOpened(const std::function<DocumentSession::OpenOutcome()>& open, const QString& fileName) {
    DocumentSession::OpenOutcome outcome;
    {
        LoadingIndicator loading(StatusPanels[0]);
        outcome = open();
        if (outcome.Replaced) {
            if (Session.Kind() == DocumentKind::Compiled) {
                OpenDialog3FileName = fileName;
            } else {
                OpenDialog1FileName = fileName;
                SaveDialog1FileName = fileName;
                ComboBox1->show();
                Edit3->hide();
                RadioGroup1Box->setEnabled(true);
            }
            ClearPicture();
            SetCaption(Session.FileName());
            UpdateCompileCommand();
            ShowHeaderLines();
            RadioGroup1Click();
        }
    }
    if (!outcome.Failure.isEmpty()) Dialogs.Message(outcome.Failure, MessageKind::Error);
    if (!outcome.Notice.isEmpty()) Dialogs.Message(outcome.Notice, MessageKind::Warning);
}

void TForm1::ToolButton2Click() {
    SaveDocument();
}

void TForm1::SaveAs1Click() {
    SaveDocumentAs();
}

bool TForm1::SaveDocument() {
    if (Session.TextFileName().isEmpty()) return SaveDocumentAs();
    return ShowSaved(Session.Save());
}

bool TForm1::SaveDocumentAs() {
    SaveFileQuestion question{tr("Сохранить"), QStringLiteral("TYP-file (*.txt)"), QStringLiteral("txt"),
                              true, SaveDialog1FileName};
    std::optional<QString> fileName = Dialogs.SaveFileName(question);
    return fileName && WriteDocument(*fileName);
}

bool TForm1::WriteDocument(const QString& fileName) {
    return ShowSaved(Session.SaveAs(fileName));
}

bool TForm1::ShowSaved(const DocumentSession::SaveOutcome& outcome) {
    if (!outcome.Failure.isEmpty()) Dialogs.Message(outcome.Failure, MessageKind::Error);
    if (!outcome.Written) return outcome.Saved;
    const QString saved = Session.FileName();
    QDir::setCurrent(QFileInfo(saved).absolutePath());
    OpenDialog1FileName = saved;
    SaveDialog1FileName = saved;
    SetCaption(QDir::toNativeSeparators(saved));
    UpdateCompileCommand();
    return true;
}

void TForm1::ToolButton13Click() {
    if (!MayDiscardDocument()) return;
    std::optional<QString> fileName =
        Dialogs.OpenFileName({tr("Открыть typ"), QStringLiteral("Garmin Typ (*.typ)"), OpenDialog3FileName});
    if (!fileName) return;
    LoadFile(*fileName, KindRule::Compiled);
}

void TForm1::OpenFile(const QString& fileName) {
    LoadFile(fileName, KindRule::NameOrSignature);
}

// ---------------------------------------------------------------------------------------------
// The command group of creation mode

void TForm1::BtnVisible(bool enable) {
    auto action = [this](GroupCommand command) -> QAction* {
        switch (command) {
        case GroupCommand::OpenTextButton:
            return ToolButton1;
        case GroupCommand::SaveButton:
            return ToolButton2;
        case GroupCommand::DeleteButton:
            return ToolButton4;
        case GroupCommand::AddPictureButton:
            return ToolButton6;
        case GroupCommand::SaveBmpButton:
            return ToolButton7;
        case GroupCommand::CopyButton:
            return ToolButton10;
        case GroupCommand::PasteButton:
            return ToolButton11;
        case GroupCommand::OpenItem:
            return N2;
        case GroupCommand::SaveItem:
            return N3;
        case GroupCommand::DeleteItem:
            return N16;
        case GroupCommand::AddBmpItem:
            return N18;
        case GroupCommand::BitMapItem:
            return BitMap1;
        case GroupCommand::CopyItem:
            return N14;
        case GroupCommand::PasteItem:
            return N15;
        case GroupCommand::TypFileItem:
            return TYP1;
        }
        return nullptr;
    };
    for (GroupCommand command : BtnVisibleGroup)
        if (QAction* item = action(command)) item->setEnabled(enable);
    // Importing replaces the document as opening does, and undoing would change it under the new
    // object's settings: creation mode switches them off too.
    ToolButton13->setEnabled(enable);
    typ2->setEnabled(enable);
    SaveAs1->setEnabled(enable);
    // Creation mode puts its type fields in the place of the list.
    ObjectFilter->setEnabled(enable);
    HistoryChanged();
}

// ---------------------------------------------------------------------------------------------
// Choosing the kind, the object and the view

int TForm1::ChosenKind() const {
    return std::max(0, RadioGroup1->checkedId());
}

int TForm1::ShownView() const {
    return RadioGroup2->checkedId() == Night ? Night : Day;
}

void TForm1::SetChosenKindSilently(int kind) {
    QSignalBlocker block(RadioGroup1);
    RadioGroup1->button(kind)->setChecked(true);
}

void TForm1::SetShownViewSilently(int view) {
    QSignalBlocker block(RadioGroup2);
    RadioGroup2->button(view)->setChecked(true);
}

void TForm1::ChooseObjectSilently(int index) {
    {
        QSignalBlocker block(ComboBox1);
        ComboBox1->setCurrentIndex(index);
    }
    ComboBox1Change();
}

void TForm1::RadioGroup2Clicked() {
    if (Creation->Active())
        Creation->ViewChosen();
    else
        RadioGroup2Click();
}

void TForm1::RadioGroup1Click() {
    ComboBox4->hide();
    ComboBox1->show();
    {
        QSignalBlocker block(ComboBox1);
        ComboBox1->clear();
        ComboBox1->clearEditText();
    }
    ClearPicture();
    Document.CurrentObject = nullptr;
    ShowLabels();

    int kind = ChosenKind();
    const std::array<QComboBox*, 3> catalogues{ComboBox6, ComboBox7, ComboBox8};
    {
        QSignalBlocker block(ComboBox4);
        ComboBox4->clear();
        QComboBox* catalogue = catalogues[size_t(kind)];
        for (int row = 0; row < catalogue->count(); ++row)
            ComboBox4->addItem(catalogue->itemText(row));
    }

    KindDisplayState state = KindSelectionState(kind);
    auto apply = [](QWidget* control, const std::optional<bool>& enabled) {
        if (enabled) control->setEnabled(*enabled);
    };
    apply(SpinEdit1, state.LineWidthEnabled);
    apply(SpinEdit2, state.BorderWidthEnabled);
    apply(SpinEdit3, state.ColourCountEnabled);
    apply(SpinEdit4, state.WidthEnabled);
    apply(SpinEdit5, state.HeightEnabled);
    apply(RadioGroup2Box, state.ViewChooserEnabled);
    if (state.SizeMinimum) {
        QSignalBlocker block4(SpinEdit4), block5(SpinEdit5);
        SpinEdit4->setMinimum(*state.SizeMinimum);
        SpinEdit5->setMinimum(*state.SizeMinimum);
    }

    const ObjectList& list = Document.List(kind);
    {
        QSignalBlocker block(ComboBox1);
        for (const auto& object : list)
            ComboBox1->addItem(ObjectEntryText(ListEntryText(*object), *object));
    }
    const int first = ApplyObjectFilter();
    if (list.empty()) {
        // Nothing is shown, so the colour list of an earlier object must not stay offered.
        FillColourList({}, -1);
        ShowNoObjectValues();
        ComboBox2Change();
        return;
    }
    {
        // The first object the filter leaves in the list, or none.
        QSignalBlocker block(ComboBox1);
        ComboBox1->setCurrentIndex(first);
    }
    ComboBox1Change();
}

void TForm1::ComboBox1Change() {
    ShowLabels();
    ClearPicture();
    Document.CurrentObject = nullptr;

    const ObjectList& list = Document.List(ChosenKind());
    int index = ComboBox1->currentIndex();
    if (index < 0 || size_t(index) >= list.size()) {
        FillColourList({}, -1);
        ShowLabels();
        ShowNoObjectValues();
        ComboBox2Change();
        return;
    }
    TGarminObject& object = *list[size_t(index)];
    Document.CurrentObject = &object;
    ApplyObjectDisplay(object);

    if (object.Quadrat) {
        int view = ShownView();
        if (IsSwatchForm(*object.Quadrat)) RenderObject(MatrixImage, object, view, ScreenDrawing);
        QPoint position =
            ResizeGrid(MatrixImage, object, ScrollBar1->value(), view, ScrollBox1->size(), ScreenDrawing);
        ShowMatrix();
        PlacePicture(position);
    }
    ShowLabels();
    ComboBox2Change();
}

void TForm1::ShowNoObjectValues() {
    for (QSpinBox* spin : ValueSpins()) {
        QSignalBlocker block(spin);
        // A blank field at the minimum: no number of an object shown before stays in it.
        spin->setSpecialValueText(QStringLiteral(" "));
        spin->setValue(spin->minimum());
    }
    QSignalBlocker block(ComboBox5);
    ComboBox5->setCurrentIndex(0); // "N", as at the start
    Edit2->clear();
}

void TForm1::ShowSpinValues() {
    for (QSpinBox* spin : ValueSpins())
        spin->setSpecialValueText(QString());
}

std::array<QSpinBox*, 6> TForm1::ValueSpins() const {
    return {SpinEdit1, SpinEdit2, SpinEdit3, SpinEdit4, SpinEdit5, SpinEdit6};
}

void TForm1::ApplyObjectDisplay(TGarminObject& object) {
    ShowSpinValues();
    ObjectDisplayState state = ObjectDisplay(object, ShownView());
    QSignalBlocker blocks[] = {
        QSignalBlocker(RadioGroup2), QSignalBlocker(ScrollBar1), QSignalBlocker(SpinEdit1),
        QSignalBlocker(SpinEdit2),   QSignalBlocker(SpinEdit3),  QSignalBlocker(SpinEdit4),
        QSignalBlocker(SpinEdit5),   QSignalBlocker(SpinEdit6),  QSignalBlocker(ComboBox5)};
    if (state.ForceViewToDay) RadioGroup2->button(Day)->setChecked(true);
    RadioGroup2Box->setEnabled(state.ViewChooserEnabled);
    ScrollBar1->setValue(state.ZoomPosition);
    auto show = [](QSpinBox* spin, const SpinDisplay& display) {
        spin->setRange(display.Minimum, display.Maximum);
        spin->setValue(display.Value);
    };
    if (state.LineWidth) show(SpinEdit1, *state.LineWidth);
    if (state.BorderWidth) show(SpinEdit2, *state.BorderWidth);
    if (state.LineWidthEnabled) SpinEdit1->setEnabled(*state.LineWidthEnabled);
    if (state.BorderWidthEnabled) SpinEdit2->setEnabled(*state.BorderWidthEnabled);
    show(SpinEdit3, state.ColourCount);
    show(SpinEdit4, state.Width);
    show(SpinEdit5, state.Height);
    show(SpinEdit6, state.CharsPerPixel);
    SpinEdit6->setEnabled(state.CharsPerPixelEnabled);
    if (state.OrientationIndex) ComboBox5->setCurrentIndex(*state.OrientationIndex);
    ComboBox5->setEnabled(state.OrientationEnabled);
    for (QLabel* label : SwatchLabels)
        label->setVisible(state.SwatchLabelsVisible);
    FillColourList(state.Colours.Items, state.Colours.Selected);
}

void TForm1::RadioGroup2Click() {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    if (object->Kind != KindPoint) {
        ComboBox1Change();
        return;
    }
    ColorBox(ShownView());
    if (object->Quadrat) {
        RenderObject(MatrixImage, *object, ShownView(), ScreenDrawing);
        ShowMatrix();
    }
    ComboBox2Change();
}

// ---------------------------------------------------------------------------------------------
// The colour list and the property writes

void TForm1::FillColourList(const std::vector<QString>& items, int selected) {
    QSignalBlocker block(ComboBox2);
    ComboBox2->clear();
    for (const QString& item : items)
        ComboBox2->addItem(item);
    ComboBox2->setCurrentIndex(selected);
}

void TForm1::ColorBox(int view) {
    if (!Document.CurrentObject) return;
    ColourList list = velmora::ColorBox(*Document.CurrentObject, view);
    FillColourList(list.Items, list.Selected);
}

void TForm1::ComboBox2DrawItem(QPainter& painter, const QRect& rect, int index) {
    if (!Document.CurrentObject) return;
    const TGarminObject& object = *Document.CurrentObject;
    if (std::optional<uint32_t> colour = ColourListEntryColour(object, ShownView(), index))
        FillOverCheckerboard(painter, rect, *colour, ColourListEntryAlpha(object, ShownView(), index));
    painter.setPen(ComboBox2->palette().color(QPalette::Text));
    painter.setFont(ComboBox2->font());
    painter.drawText(rect.adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, ComboBox2->itemText(index));
}

void TForm1::ComboBox2Change() {
    int index = ComboBox2->currentIndex();
    if (!Document.CurrentObject || index < 0) {
        Edit2->clear();
        return;
    }
    Edit2->setText(ColourReadout(*Document.CurrentObject, ShownView(), index, ComboBox2->itemText(index)));
}

void TForm1::SpinEdit1Change() {
    if (TGarminObject* object = Document.CurrentObject)
        Edit::SetLineWidth(*History, Document, *object, SpinEdit1->value(), Now());
}

void TForm1::SpinEdit2Change() {
    if (TGarminObject* object = Document.CurrentObject)
        Edit::SetBorderWidth(*History, Document, *object, SpinEdit2->value(), Now());
}

void TForm1::ComboBox5Change() {
    if (TGarminObject* object = Document.CurrentObject)
        Edit::SetOrientation(*History, Document, *object, ComboBox5->currentIndex(), Now());
}

void TForm1::SpinEdit6Change() {
    if (TGarminObject* object = Document.CurrentObject)
        Edit::SetCharsPerPixel(*History, Document, *object, SpinEdit6->value(), Now());
}

void TForm1::ZoomBy(int steps) {
    ScrollBar1->setValue(ScrollBar1->value() + steps);
}

void TForm1::CheckBox1Click() {
    Creation->NoBitmapClicked();
}

void TForm1::SpinEdit4Change() {
    // A shown object's size is display only; only creation mode reacts.
    Creation->WidthChanged();
}

// ---------------------------------------------------------------------------------------------
// The view panel

void TForm1::ScrollBar1Change() {
    TGarminObject* object = Document.CurrentObject;
    if (!object || !object->Quadrat) return;
    QPoint position =
        ResizeGrid(MatrixImage, *object, ScrollBar1->value(), ShownView(), ScrollBox1->size(), ScreenDrawing);
    ShowMatrix();
    PlacePicture(position);
}

void TForm1::ScrollBox1Resize() {
    TGarminObject* object = Document.CurrentObject;
    if (!object || !object->Quadrat) return;
    PlacePicture(ImagePosition(ScrollBox1->size(), MatrixSize(*object->Quadrat)));
}

void TForm1::PlacePicture(QPoint topLeft) {
    Image1->move(topLeft);
    PlaceSwatchLabels();
}

void TForm1::PlaceSwatchLabels() {
    TGarminObject* object = Document.CurrentObject;
    if (!object || !object->Quadrat || !IsSwatchForm(*object->Quadrat)) return;
    std::array<QPoint, SwatchLabelCount> positions =
        SwatchLabelPositions(ScrollBox1->size(), MatrixSize(*object->Quadrat));
    for (size_t i = 0; i < SwatchLabels.size(); ++i)
        SwatchLabels[i]->move(positions[i]);
}

void TForm1::ShowMatrix() {
    TGarminObject* object = Document.CurrentObject;
    if (object && object->Quadrat && !MatrixImage.isNull())
        Image1->SetPicture(MatrixImage);
    else
        Image1->Clear();
}

void TForm1::ClearPicture() {
    for (QLabel* label : SwatchLabels)
        label->hide();
    Image1->Clear();
    // Whatever is shown next is drawn afresh: the picture never carries one object's pixels (or a
    // laid template) over to another.
    ReleaseMatrixImage(MatrixImage);
}

// ---------------------------------------------------------------------------------------------
// Header memo and label editor

QString TForm1::DecodeText(const std::string& bytes) const {
    return DecodeLine(bytes, TextEncoding);
}

void TForm1::TellAboutReplacedCharacters() {
    Dialogs.Message(ReplacedCharactersMessage(TextEncoding), MessageKind::Warning);
}

namespace {

QString JoinDecoded(const std::vector<std::string>& lines, const TForm1& form) {
    QStringList texts;
    texts.reserve(qsizetype(lines.size()));
    for (const std::string& line : lines)
        texts << DecodeLine(line, form.TextEncoding);
    return texts.join(u'\n');
}

// Puts text into an editor without running its change reaction, keeping the cursor where it was.
void ReplaceEditorText(QPlainTextEdit* editor, const QString& text) {
    QSignalBlocker block(editor);
    int position = editor->textCursor().position();
    editor->setPlainText(text);
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(std::min(position, int(text.size())));
    editor->setTextCursor(cursor);
}

} // namespace

void TForm1::ShowHeaderLines() {
    QSignalBlocker block(Memo1);
    Memo1->setPlainText(JoinDecoded(Document.HeaderLines, *this));
}

void TForm1::ShowLabels() {
    {
        QSignalBlocker block(LabelEditor);
        TGarminObject* object = Document.CurrentObject;
        LabelEditor->setEnabled(object != nullptr);
        LabelEditor->setPlainText(object ? JoinDecoded(object->Labels, *this) : QString());
    }
    ShowLabelStyle();
}

void TForm1::ShowLabelStyle() {
    const LabelStyleDisplay display = LabelStyleOf(Document.CurrentObject);
    {
        QSignalBlocker block(FontStyleList);
        FontStyleList->clear();
        for (size_t i = 0; i < display.Fonts.Items.size(); ++i) {
            const std::optional<uint8_t> value = display.Fonts.Values[i];
            FontStyleList->addItem(display.Fonts.Items[i], value ? QVariant(int(*value)) : QVariant());
        }
        FontStyleList->setCurrentIndex(display.Fonts.Selected);
    }
    DayLabelColourButton->SetColour(display.DayColour);
    NightLabelColourButton->SetColour(display.NightColour);
    LabelStyleBox->setEnabled(display.Enabled);
}

void TForm1::Memo1Change() {
    EncodedLines encoded =
        EncodeEditedLines(Document.HeaderLines, SplitLines(Memo1->toPlainText()), TextEncoding);
    Edit::SetHeaderLines(*History, Document, std::move(encoded.Lines), Now());
    if (!encoded.Replaced) return;
    ReplaceEditorText(Memo1, JoinDecoded(Document.HeaderLines, *this));
    TellAboutReplacedCharacters();
}

void TForm1::LabelEditorChange() {
    TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    QString text = LabelEditor->toPlainText();
    EncodedLines encoded =
        EncodeEditedLines(object->Labels, text.isEmpty() ? QStringList() : SplitLines(text), TextEncoding);
    Edit::SetLabels(*History, Document, *object, std::move(encoded.Lines), Now());
    // An object that the catalogue does not name is listed by its first label.
    RefreshObjectEntry(ComboBox1->currentIndex());
    if (!encoded.Replaced) return;
    ReplaceEditorText(LabelEditor, JoinDecoded(object->Labels, *this));
    TellAboutReplacedCharacters();
}

} // namespace velmora
