// The main window "Редактор TYP-файла" (TYP file editor): the menu and toolbar, the view panel with
// the magnified object, the property column and the header memo. Its document session holds the
// open document; every modal interaction goes through Prompts.
#pragma once

#include "app/Prompts.h"
#include "app/controls.h"
#include "app/document_session.h"
#include "app/text_encoding.h"
#include "commands/object_edits.h"
#include "model/maintyp.h"
#include "view/transparency.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QString>

#include <array>
#include <exception>
#include <memory>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QScrollBar;
class QSettings;
class QSpinBox;
class QSplitter;
class QStatusBar;
class QToolBar;

namespace velmora {

// The window draws transparency over the grey checkerboard; files keep the white drawing.
inline constexpr TransparencyDrawing ScreenDrawing = TransparencyDrawing::Checkerboard;
class CreationMode;
class EditHistory;
struct StepSubject;

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    // settingsFolder: where Velmora.ini lives; empty: the start folder when it holds one, else the
    // user's configuration folder.
    explicit TForm1(Prompts& prompts, const QString& settingsFolder = QString(), QWidget* parent = nullptr);
    ~TForm1() override;

    // Opens a file named on the command line: a compiled file by its name or signature, otherwise
    // a text file; no file dialog is shown.
    void OpenFile(const QString& fileName);

    // The open document, its file, encoding, history and compile state; its Changed() follows every
    // change of the document.
    DocumentSession Session;
    // The session's document and its undo history, which decides Document.Modified.
    TypDocument& Document = Session.Document();
    EditHistory* const History = &Session.History();
    Prompts& Dialogs;

    // ---- menu ("Файл" (File), "Создать" (Create), "Сохранить" (Save), "Помощь" (Help)) ----
    QMenu* N1 = nullptr;           // "Файл" (File)
    QAction* N2 = nullptr;         // "Открыть" (Open)
    QAction* typ2 = nullptr;       // "Открыть typ" (Open typ)
    QAction* N3 = nullptr;         // "Сохранить" (Save)
    QAction* SaveAs1 = nullptr;    // "Сохранить как…" (Save as…)
    QAction* N5 = nullptr;         // "Выход" (Exit)
    QMenu* N20 = nullptr;          // "Правка" (Edit)
    QAction* Undo1 = nullptr;      // "Отменить: <step>" (Undo: <step>), also on the toolbar
    QAction* Redo1 = nullptr;      // "Повторить: <step>" (Redo: <step>), also on the toolbar
    QAction* ZoomIn1 = nullptr;    // Ctrl+plus: the zoom one step up
    QAction* ZoomOut1 = nullptr;   // Ctrl+minus: the zoom one step down
    QAction* Find1 = nullptr;      // Ctrl+F: to the filter of the object list
    QMenu* N6 = nullptr;           // "Создать" (Create)
    QAction* N10 = nullptr;        // "Точки" (Points)
    QAction* N11 = nullptr;        // "Линии" (Lines)
    QAction* N12 = nullptr;        // "Полигоны" (Polygons)
    QAction* N14 = nullptr;        // "Копировать" (Copy)
    QAction* N15 = nullptr;        // "Вставить" (Paste)
    QAction* N16 = nullptr;        // "Удалить" (Delete)
    QAction* N18 = nullptr;        // "Добавить bmp" (Add bmp)
    QMenu* N7 = nullptr;           // "Сохранить" (Save)
    QAction* BitMap1 = nullptr;    // "BitMap"
    QAction* TYP1 = nullptr;       // "TYP-файл" (TYP file)
    QMenu* LanguageMenu = nullptr; // "Файл" (File) > "Язык интерфейса" (Interface language)
    QAction* SystemLanguage1 = nullptr; // "Как в системе" (System language)
    QAction* Russian1 = nullptr;        // "Русский", named in its own language
    QAction* English1 = nullptr;        // "English", named in its own language
    QMenu* N19 = nullptr;               // "Помощь" (Help)
    QAction* N8 = nullptr;              // "О программе" (About)
    QAction* N9 = nullptr;              // "Справка" (Help contents)

    // ---- toolbar, left to right; ToolButton3 and ToolButton8 are the separators ----
    QToolBar* ToolBar1 = nullptr;
    QAction* ToolButton1 = nullptr;  // "Открыть файл  txt" (Open TYP text file)
    QAction* ToolButton13 = nullptr; // "Открыть файл  typ" (Open compiled TYP file)
    QAction* ToolButton2 = nullptr;  // "Сохранить файл" (Save file)
    QAction* ToolButton3 = nullptr;
    QAction* ToolButton5 = nullptr;  // "Добавить объект" (Add object)
    QAction* ToolButton6 = nullptr;  // "Добавить рисунок" (Add picture)
    QAction* ToolButton10 = nullptr; // "Копировать в буфер" (Copy to clipboard)
    QAction* ToolButton11 = nullptr; // "Вставить из буфера" (Paste from clipboard)
    QAction* ToolButton4 = nullptr;  // "Удалить объект" (Delete object)
    QAction* ToolButton8 = nullptr;
    QAction* ToolButton7 = nullptr; // "Сохранить bmp" (Save bmp)
    QAction* ToolButton9 = nullptr; // "Создать TYP" (Create TYP)

    // ---- status bar: two panels, 300 and 50 pixels ----
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 2> StatusPanels{};

    // ---- client area, from the right: header panel, splitter, property column, view panel ----
    QSplitter* Splitter1 = nullptr;
    QWidget* Panel1 = nullptr; // the header panel
    QPlainTextEdit* Memo1 = nullptr;

    ViewPanel* ScrollBox1 = nullptr;
    ImageControl* Image1 = nullptr;
    // The picture of the shown object's matrix, drawn here and copied into Image1: one for the
    // window, released whenever the picture is cleared for another object.
    QImage MatrixImage;
    std::array<QLabel*, 6> SwatchLabels{}; // Label1 .. Label6
    QLabel*& Label1 = SwatchLabels[0];
    QLabel*& Label2 = SwatchLabels[1];
    QLabel*& Label3 = SwatchLabels[2];
    QLabel*& Label4 = SwatchLabels[3];
    QLabel*& Label5 = SwatchLabels[4];
    QLabel*& Label6 = SwatchLabels[5];

    QScrollArea* ScrollBox2 = nullptr; // the property column
    QWidget* PropertyColumn = nullptr; // the scrolled contents of ScrollBox2

    QGroupBox* RadioGroup1Box =
        nullptr; // "Тип объекта" (Object type): "Точки" (Points), "Линии" (Lines), "Полигоны" (Polygons)
    QButtonGroup* RadioGroup1 = nullptr;
    QLineEdit* ObjectFilter = nullptr;   // narrows the object list by code, name or label
    QComboBox* ComboBox1 = nullptr;      // the objects of the chosen kind
    QLineEdit* Edit3 = nullptr;          // type field of creation mode
    QLineEdit* Edit1 = nullptr;          // subtype field of creation mode
    QGroupBox* RadioGroup2Box = nullptr; // "Отобразить" (Show): "День" (Day), "Ночь" (Night)
    QButtonGroup* RadioGroup2 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;          // "Ширина линии" (Line width)
    QSpinBox* SpinEdit2 = nullptr;          // "Шир.  бордюра" (Border width)
    QComboBox* ComboBox5 = nullptr;         // "Ориентация" (Orientation): "N", "Y"
    QSpinBox* SpinEdit3 = nullptr;          // "Цветов" (Colours)
    OwnerDrawComboBox* ComboBox2 = nullptr; // "Символ" (Symbol): the colour list
    QLineEdit* Edit2 = nullptr;             // "Цвет" (Colour)
    QSpinBox* SpinEdit4 = nullptr;          // "Размер по X" (Size X)
    QSpinBox* SpinEdit5 = nullptr;          // "Размер по Y" (Size Y)
    QSpinBox* SpinEdit6 = nullptr;          // "Повторяемость" (Chars per pixel)
    QCheckBox* CheckBox1 = nullptr;         // "Без матрицы" (No bitmap)
    QScrollBar* ScrollBar1 = nullptr;       // "Размер" (Size): the zoom, 1 to 20
    QPlainTextEdit* LabelEditor = nullptr;  // the labels of the current object
    QComboBox* ComboBox3 = nullptr;         // the language list
    QGroupBox* RadioGroup3Box = nullptr; // "Палитра" (Palette): "Стандартная" (Standard), "GPSMAP 60C"
    QButtonGroup* RadioGroup3 = nullptr;
    QPushButton* BitBtn1 = nullptr; // "Добавить" (Add)
    QPushButton* BitBtn2 = nullptr; // "&Отменить" (Cancel)
    QComboBox* ComboBox4 = nullptr; // the type picker (yellow, right to left)
    QComboBox* ComboBox6 = nullptr; // hidden: the point catalogue
    QComboBox* ComboBox7 = nullptr; // hidden: the line catalogue
    QComboBox* ComboBox8 = nullptr; // hidden: the polygon catalogue

    // "Подпись" (Label): the font and the colours of the current object's labels.
    QGroupBox* LabelStyleBox = nullptr; // the group box around them
    QComboBox* FontStyleList = nullptr; // "Шрифт" (Font): "none", NoLabel, SmallFont, ... Default
    ColourButton* DayLabelColourButton = nullptr;   // "День" (Day): the day label colour
    QPushButton* DayLabelColourNone = nullptr;      // "none" for the day label colour
    ColourButton* NightLabelColourButton = nullptr; // "Ночь" (Night): the night label colour
    QPushButton* NightLabelColourNone = nullptr;    // "none" for the night label colour

    // The settings file Velmora.ini: the compiler, the layout and the interface language.
    std::unique_ptr<QSettings> IniFile;
    QString SettingsFolder; // where Velmora.ini lives; empty: chosen at start (app/settings_file.h)
    // The picture last laid under the grid by "Добавить рисунок" (Add picture).
    QImage TracingPicture;
    // The proposed names of the file dialogs: open text (also the compiler's input), save text,
    // open compiled.
    QString OpenDialog1FileName;
    QString SaveDialog1FileName;
    QString OpenDialog3FileName;

    // The text encoding of the labels and header lines of the document (ICU name), the session's.
    const QByteArray& TextEncoding = Session.TextEncoding();

    // ---- start-up and shutdown ----
    void FormCreate();
    // Asks about unsaved changes; true when the window may close.
    bool FormClose();
    void N5Click(); // "Выход" (Exit)
    void N8Click(); // "О программе" (About)
    void N9Click(); // "Справка" (Help contents)
    // Stores the interface language in Velmora.ini ("ru", "en", or "" for the system's); the window
    // speaks it from the next start.
    void LanguageChoiceClick(const QString& setting);

    // ---- file commands ----
    void ToolButton1Click();  // open a text TYP file
    void ToolButton2Click();  // save the text TYP file
    void SaveAs1Click();      // save the text TYP file under a name chosen in the dialog
    void ToolButton13Click(); // open a compiled TYP file
    // The message of a text file that cannot be read: why, where the reason is no permission; the
    // general message otherwise.
    static QString OpenFailureMessage(const std::exception& error);
    // The save command's outcome; the shutdown question and the open commands depend on it. A
    // document with a text file is written to it; any other asks for a name first.
    bool SaveDocument();
    // Asks for the name, proposing the current one, and writes the document there.
    bool SaveDocumentAs();

    // ---- the command group that creation mode switches off ----
    void BtnVisible(bool enable); // switches the group on or off

    // ---- view and property column ----
    void RadioGroup1Click(); // "Тип объекта" (Object type): lists the objects of the kind chosen
    void ComboBox1Change();  // the object list: shows the object chosen
    void RadioGroup2Click(); // "Отобразить" (Show): draws the view chosen
    void ColorBox(int view); // fills "Символ" (Symbol) with the colours of view
    void ComboBox2DrawItem(QPainter& painter, const QRect& rect,
                           int index);  // draws an entry of "Символ" in its colour
    void ComboBox2Change();             // "Символ": shows the entry's colour in "Цвет" (Colour)
    void SpinEdit1Change();             // "Ширина линии" (Line width)
    void SpinEdit2Change();             // "Шир.  бордюра" (Border width)
    void ComboBox5Change();             // "Ориентация" (Orientation)
    void SpinEdit6Change();             // "Повторяемость" (Chars per pixel)
    void CheckBox1Click();              // "Без матрицы" (No bitmap), creation mode only
    void SpinEdit4Change();             // "Размер по X" (Size X), creation mode only
    void ScrollBar1Change();            // "Размер" (Size): the zoom
    void ScrollBox1Resize();            // the view panel: keeps the picture centred
    void Memo1Change();                 // the header memo
    void LabelEditorChange();           // the label editor
    void FontStyleListChange();         // "Шрифт" (Font) of "Подпись" (Label)
    void DayLabelColourButtonClick();   // "День" (Day) label colour: picks a colour
    void DayLabelColourNoneClick();     // "none" for the day label colour
    void NightLabelColourButtonClick(); // "Ночь" (Night) label colour: picks a colour
    void NightLabelColourNoneClick();   // "none" for the night label colour

    // ---- editing (pixels, colours, creation, catalogue, deletion, clipboard, BMP, compiler) ----
    // Each handler reads its controls, calls one command of commands/edit_commands.h and shows the
    // result.
    void Image1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // A left press paints the cell under the pointer and starts a stroke; moving with the button
    // held paints every cell the pointer passes; the release ends the stroke. One stroke is one step.
    void Image1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Image1MouseMove(Qt::MouseButtons buttons, int x, int y); // paints along a stroke
    // "Отменить" (Undo) and "Повторить" (Redo): the step is undone or redone and its object shown.
    void Undo1Click();
    void Redo1Click();
    void ZoomBy(int steps); // Ctrl+plus, Ctrl+minus, Ctrl+wheel
    void EditPixelColour(int row, int col, Qt::KeyboardModifiers shift,
                         int view);                              // right click: recolours the pixel's entry
    void ComboBox2KeyDown(int key, Qt::KeyboardModifiers shift); // a key in "Символ": the colour edit dialog
    void ToolButton5Click(); // "Добавить объект" (Add object): enters creation mode
    void N10Click();         // "Создать" (Create) > "Точки" (Points)
    void N11Click();         // "Создать" (Create) > "Линии" (Lines)
    void N12Click();         // "Создать" (Create) > "Полигоны" (Polygons)
    // The key filter of Edit3 and Edit1: true when the typed character is to be kept.
    bool Edit3KeyPress(QChar key);
    void BitBtn1Click();      // "Добавить" (Add): commits the new object
    void BitBtn2Click();      // "&Отменить" (Cancel): leaves creation mode
    void ComboBox1DblClick(); // opens the type picker
    void ComboBox4Change();   // the type picker: retypes the object
    void ComboBox4DblClick(); // applies the type picker's row
    // The keys of the type picker: the arrows, Page Up/Down, Home and End browse its rows and change
    // nothing, Enter applies the row shown, Escape closes it. True when the key was the picker's.
    bool ComboBox4KeyDown(int key, Qt::KeyboardModifiers shift);
    // Hides the type picker and shows the object list again.
    void CloseTypePicker();
    void ComboBox3DblClick(); // the language list: starts a label line
    void ToolButton4Click();  // "Удалить объект" (Delete object)
    void ToolButton10Click(); // "Копировать в буфер" (Copy to clipboard)
    void ToolButton11Click(); // "Вставить из буфера" (Paste from clipboard)
    void ToolButton6Click();  // "Добавить рисунок" (Add picture): a BMP under the grid
    void ToolButton7Click();  // "Сохранить bmp" (Save bmp)
    void ToolButton9Click();  // "Создать TYP" (Create TYP): the compiler dialog
    // The built-in compiler: compiles Document, asks where the compiled file goes and writes it.
    void CompileDocument();

    // When the compile command ("Создать TYP" (Create TYP), "TYP-файл" (TYP file)) is on: the
    // session's rule.
    using CompileState = DocumentSession::CompileState;
    void SetCompilable(CompileState state);
    // Enables the compile command for the session's compile state and the compiler chosen in
    // Velmora.ini.
    void UpdateCompileCommand();

    // ---- the object list's entries and filter ----
    // What the object is: the catalogue's name of its type in the interface's language, or else the
    // text of its first label; empty when it has neither.
    QString ObjectDescription(const TGarminObject& object) const;
    // The entry of an object: its code and, when there is one, its description.
    QString ObjectEntryText(const QString& code, const TGarminObject& object) const;
    // Writes the description of entry index again after its object changed.
    void RefreshObjectEntry(int index);
    // Whether entry index passes the filter: its code, name or one of its labels contains the text.
    bool MatchesObjectFilter(int index) const;
    // Leaves the entries that do not pass out of the list; the first entry that passes, or -1.
    int ApplyObjectFilter();
    void ObjectFilterChange(); // the filter field above the object list
    void Find1Click();         // Ctrl+F

    // ---- helpers for the handlers ----
    int ChosenKind() const; // RadioGroup1: 0 point, 1 line, 2 polygon
    int ShownView() const;  // RadioGroup2: 0 Day, 1 Night
    // Sets RadioGroup1 / RadioGroup2 without running their reactions.
    void SetChosenKindSilently(int kind);
    void SetShownViewSilently(int view);
    // Selects object index of the list and shows it.
    void ChooseObjectSilently(int index);
    // Copies the current object's matrix into Image1.
    void ShowMatrix();
    // Empties Image1, releases MatrixImage and hides the swatch captions.
    void ClearPicture();
    // Puts the current object's labels into the label editor (empty and disabled without one).
    void ShowLabels();
    // Puts the current object's font style and label colours into their controls (disabled and
    // "none" without one).
    void ShowLabelStyle();
    // With no object shown, the fields of the property column are blank: no value of the object
    // shown before stays. ShowSpinValues lets the spin fields show their numbers again.
    void ShowNoObjectValues();
    void ShowSpinValues();
    std::array<QSpinBox*, 6> ValueSpins() const;
    // Puts HeaderLines into Memo1.
    void ShowHeaderLines();
    // Where the picture of the current object stands in the view panel, and the swatch captions.
    void PlacePicture(QPoint topLeft);
    void PlaceSwatchLabels();
    // A label or header line of the document as the screen shows it.
    QString DecodeText(const std::string& bytes) const;
    // Tells the user that typed characters without a code in the document's encoding became "?".
    void TellAboutReplacedCharacters();
    // The colour of the main window's standard colour dialog, for presets of the colour dialogs.
    ColourValue StandardDialogColour = 0;

    // The caption: the file's path (or the program's name) with Qt's mark of unsaved changes.
    void SetCaption(const QString& text);
    // Follows the history: the caption's mark and the texts and states of "Отменить" (Undo)/"Повторить"
    // (Redo).
    void HistoryChanged();
    // Creation mode, between "Добавить объект" (Add object) and "Добавить" (Add)/"&Отменить" (Cancel); owned
    // by the window.
    CreationMode* Creation = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateActions();
    void CreateMenu();
    void CreateLanguageMenu();
    // Ticks the language item of the setting stored in Velmora.ini.
    void ShowLanguageSetting();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateClientArea();
    void CreatePropertyColumn();
    void CreateLabelStyleBox(QRect geometry);
    void WidenPropertyColumn();
    // The window's size and the splitter's positions, kept in Velmora.ini between runs.
    void RestoreLayout();
    void SaveLayout();
    // Writes the settings; a file that cannot be written is named once in the status bar and
    // otherwise changes nothing: the settings hold for the rest of the run. False when not written.
    bool SaveSettings();
    void ReportUnwritableSettings();
    bool UnwritableSettingsReported = false;
    void ConnectControls();
    // Before replacing the document: the shutdown question while Modified; false to stop.
    bool MayDiscardDocument();
    // Opens a file through the session as the open commands do after their dialog (rule: which
    // files are compiled ones), and shows the document and what the session said.
    void LoadFile(const QString& fileName, KindRule rule);
    // Writes the document as text to fileName; false after telling the user why it failed.
    bool WriteDocument(const QString& fileName);
    // Shows a save's outcome: its failure, or the saved file in the caption. Whether it saved.
    bool ShowSaved(const DocumentSession::SaveOutcome& outcome);
    void ApplyObjectDisplay(TGarminObject& object);
    void FillColourList(const std::vector<QString>& items, int selected);
    void RadioGroup2Clicked();
    // Day or night label colour (view) of the current object.
    void SetLabelColour(int view, std::optional<uint32_t> colour);
    // Lists and shows an object just created.
    void ShowCreatedObject(const TGarminObject& added);

    // ---- helpers of the editing handlers ----
    bool GarminPaletteChosen() const; // RadioGroup3 on "GPSMAP 60C"
    // The colour dialog that "Палитра" (Palette) chooses, preset with preset; the picked colour on OK.
    std::optional<ColourValue> PickColour(ColourValue preset);
    void PaintPointPixel(TGarminObject& object, int row, int col, int view);
    void PaintLinePixel(TGarminObject& object, int row, int col);
    void RecolourSwatch(TGarminObject& object, int entry);
    // The plane, entry and code that a left click paints with in the view shown, or none.
    std::optional<PaintTarget> LeftPaintTarget(const TGarminObject& object) const;
    void PaintAt(TGarminObject& object, int row, int col, const PaintTarget& target);
    void ShowStepSubject(const StepSubject& subject);
    // Milliseconds since the window started: typing that pauses starts a new undo step.
    int64_t Now() const { return Clock.elapsed(); }
    QElapsedTimer Clock;
    int StrokeNumber = 0;
    bool Stroking = false;
    QPoint LastStrokePoint;
};

} // namespace velmora
