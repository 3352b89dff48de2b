// The controls of the main window and their placement.
#include "app/TForm1.h"

#include "app/toolbar_icons.h"
#include "commands/catalogues.h"
#include "view/matrix.h"
#include "view/render.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

namespace velmora {

namespace {

// Geometry of the client area, from the right edge inwards. The header panel starts wide enough for
// the usual "[_id]" lines; both panels can be widened with the splitter.
constexpr int HeaderPanelWidth = 200;
constexpr int SplitterWidth = 3;
constexpr int PropertyColumnWidth = 166;
constexpr int PropertyContentWidth = 148;
// The filter field of the object list stands above the list and moves everything below it down.
constexpr int FilterRow = 26;
constexpr int PropertyContentHeight = 676 + FilterRow;
// The property column's rows: a caption on the left, its control on the right.
constexpr int CaptionLeft = 6;
constexpr int FieldLeft = 98;
constexpr int FieldWidth = 46;
constexpr int RowHeight = 23;

QAction* NewAction(QObject* owner, const QString& caption, const char* name) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QSpinBox* NewSpinEdit(QWidget* parent, int minimum, int maximum, const char* name) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    return spin;
}

QLabel* NewCaption(QWidget* parent, const QString& text, int top) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(CaptionLeft, top + 2, FieldLeft - CaptionLeft - 2, 18);
    return label;
}

// A captioned spin edit in the property column at top; top then moves down one row.
QSpinBox* NewSpinRow(QWidget* column, const QString& caption, int minimum, int maximum, const char* name,
                     int& top) {
    NewCaption(column, caption, top);
    QSpinBox* spin = NewSpinEdit(column, minimum, maximum, name);
    spin->setGeometry(FieldLeft, top, FieldWidth, 22);
    top += RowHeight;
    return spin;
}

// A radio group: a framed box with one radio button per item, the buttons' ids their indexes.
QButtonGroup* NewRadioGroup(QWidget* parent, const QString& caption, const QStringList& items, QRect geometry,
                            bool sideBySide, QGroupBox*& box) {
    box = new QGroupBox(caption, parent);
    box->setGeometry(geometry);
    auto* group = new QButtonGroup(box);
    QBoxLayout* layout = sideBySide ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                    : static_cast<QBoxLayout*>(new QVBoxLayout(box));
    layout->setContentsMargins(6, 2, 2, 2);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return group;
}

} // namespace

void TForm1::CreateActions() {
    ToolButton1 = NewAction(this, tr("Открыть файл  txt"), "ToolButton1");
    ToolButton13 = NewAction(this, tr("Открыть файл  typ"), "ToolButton13");
    ToolButton2 = NewAction(this, tr("Сохранить файл"), "ToolButton2");
    ToolButton5 = NewAction(this, tr("Добавить объект"), "ToolButton5");
    ToolButton6 = NewAction(this, tr("Добавить рисунок"), "ToolButton6");
    ToolButton10 = NewAction(this, tr("Копировать в буфер"), "ToolButton10");
    ToolButton11 = NewAction(this, tr("Вставить из буфера"), "ToolButton11");
    ToolButton4 = NewAction(this, tr("Удалить объект"), "ToolButton4");
    ToolButton7 = NewAction(this, tr("Сохранить bmp"), "ToolButton7");
    ToolButton9 = NewAction(this, tr("Создать TYP"), "ToolButton9");
    Undo1 = NewAction(this, tr("&Отменить"), "Undo1");
    Redo1 = NewAction(this, tr("&Повторить"), "Redo1");
    Undo1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Redo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const std::array<std::pair<QAction*, ToolbarIcon>, 12> icons{{
        {ToolButton1, ToolbarIcon::OpenText},
        {ToolButton13, ToolbarIcon::OpenCompiled},
        {ToolButton2, ToolbarIcon::Save},
        {ToolButton5, ToolbarIcon::AddObject},
        {ToolButton6, ToolbarIcon::AddPicture},
        {ToolButton10, ToolbarIcon::Copy},
        {ToolButton11, ToolbarIcon::Paste},
        {ToolButton4, ToolbarIcon::Delete},
        {ToolButton7, ToolbarIcon::SaveBmp},
        {ToolButton9, ToolbarIcon::Compile},
        {Undo1, ToolbarIcon::Undo},
        {Redo1, ToolbarIcon::Redo},
    }};
    for (const auto& [action, icon] : icons) {
        action->setIcon(ToolbarIconImage(icon));
        // The toolbar shows the caption as the button's hint.
        action->setToolTip(action->text());
    }

    // The menu items carry the Alt letters; the keys of the commands stand beside them.
    N2 = NewAction(this, tr("&Открыть"), "N2");
    typ2 = NewAction(this, tr("Открыть &typ"), "typ2");
    N3 = NewAction(this, tr("&Сохранить"), "N3");
    SaveAs1 = NewAction(this, tr("Сохранить &как…"), "SaveAs1");
    N5 = NewAction(this, tr("&Выход"), "N5");
    N10 = NewAction(this, tr("&Точки"), "N10");
    N11 = NewAction(this, tr("&Линии"), "N11");
    N12 = NewAction(this, tr("&Полигоны"), "N12");
    N14 = NewAction(this, tr("&Копировать"), "N14");
    N15 = NewAction(this, tr("&Вставить"), "N15");
    N16 = NewAction(this, tr("&Удалить"), "N16");
    N18 = NewAction(this, tr("Добавить &bmp"), "N18");
    BitMap1 = NewAction(this, QStringLiteral("&BitMap"), "BitMap1");
    TYP1 = NewAction(this, tr("&TYP-файл"), "TYP1");
    N8 = NewAction(this, tr("&О программе"), "N8");
    N9 = NewAction(this, tr("&Справка"), "N9");
    const std::array<std::pair<QAction*, QKeySequence>, 9> keys{{
        {N2, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {typ2, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
        {N3, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {SaveAs1, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {N5, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {N14, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {N15, QKeySequence(Qt::CTRL | Qt::Key_V)},
        {N16, QKeySequence(Qt::Key_Delete)},
        {N9, QKeySequence(Qt::Key_F1)},
    }};
    for (const auto& [action, key] : keys)
        action->setShortcut(key);

    // The zoom keys have no menu item: they act on the window.
    ZoomIn1 = NewAction(this, tr("Крупнее"), "ZoomIn1");
    ZoomOut1 = NewAction(this, tr("Мельче"), "ZoomOut1");
    ZoomIn1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ZoomOut1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    addAction(ZoomIn1);
    addAction(ZoomOut1);
    Find1 = NewAction(this, tr("Найти объект"), "Find1");
    Find1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    addAction(Find1);
}

void TForm1::CreateMenu() {
    N1 = menuBar()->addMenu(tr("&Файл"));
    N1->addActions({N2, typ2, N3, SaveAs1});
    N1->addSeparator();
    CreateLanguageMenu();
    N1->addSeparator();
    N1->addAction(N5);
    N20 = menuBar()->addMenu(tr("&Правка"));
    N20->addActions({Undo1, Redo1});
    N6 = menuBar()->addMenu(tr("&Создать"));
    N6->addActions({N10, N11, N12});
    N6->addSeparator();
    N6->addActions({N14, N15, N16});
    N6->addSeparator();
    N6->addAction(N18);
    N7 = menuBar()->addMenu(tr("Со&хранить"));
    N7->addActions({BitMap1, TYP1});
    N19 = menuBar()->addMenu(tr("По&мощь"));
    N19->addActions({N8, N9});
}

void TForm1::CreateToolBar() {
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(24, 24));
    ToolBar1->addActions({ToolButton1, ToolButton13, ToolButton2});
    ToolButton3 = ToolBar1->addSeparator();
    ToolBar1->addActions({Undo1, Redo1});
    ToolBar1->addSeparator();
    ToolBar1->addActions({ToolButton5, ToolButton6, ToolButton10, ToolButton11, ToolButton4});
    ToolButton8 = ToolBar1->addSeparator();
    ToolBar1->addActions({ToolButton7, ToolButton9});
}

void TForm1::CreateStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setSizeGripEnabled(false);
    const std::array<int, 2> widths{300, 50};
    for (size_t i = 0; i < StatusPanels.size(); ++i) {
        StatusPanels[i] = new QLabel(StatusBar1);
        StatusPanels[i]->setFixedWidth(widths[i]);
        StatusBar1->addWidget(StatusPanels[i]);
    }
}

void TForm1::CreateClientArea() {
    ScrollBox1 = new ViewPanel;
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setFrameShape(QFrame::StyledPanel);
    ScrollBox1->setMinimumSize(100, 100);
    Image1 = new ImageControl(ScrollBox1);
    Image1->setObjectName(QStringLiteral("Image1"));
    for (size_t i = 0; i < SwatchLabels.size(); ++i) {
        SwatchLabels[i] = new QLabel(SwatchLabelCaptions()[i], ScrollBox1);
        SwatchLabels[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        SwatchLabels[i]->move(SwatchLabelFormPositions()[i]);
        SwatchLabels[i]->adjustSize();
        SwatchLabels[i]->hide();
    }

    ScrollBox2 = new QScrollArea;
    ScrollBox2->setObjectName(QStringLiteral("ScrollBox2"));
    ScrollBox2->setMinimumWidth(PropertyColumnWidth);
    ScrollBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The column's contents follow its width: the lists and the label editor widen with it.
    ScrollBox2->setWidgetResizable(true);
    PropertyColumn = new QWidget;
    PropertyColumn->setObjectName(QStringLiteral("PropertyColumn"));
    PropertyColumn->setMinimumSize(PropertyContentWidth, PropertyContentHeight);
    PropertyColumn->installEventFilter(this);
    PropertyColumn->setAutoFillBackground(true);
    // The column is narrow: a compact font keeps every caption beside its field readable.
    QFont compact = PropertyColumn->font();
    compact.setPointSizeF(compact.pointSizeF() * 0.85);
    PropertyColumn->setFont(compact);
    ScrollBox2->setWidget(PropertyColumn);
    CreatePropertyColumn();

    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* headerLayout = new QVBoxLayout(Panel1);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    headerLayout->addWidget(Memo1);

    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(SplitterWidth);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(ScrollBox1);
    Splitter1->addWidget(ScrollBox2);
    Splitter1->addWidget(Panel1);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setStretchFactor(2, 0);
    Splitter1->setSizes({941 - PropertyColumnWidth - HeaderPanelWidth - 2 * SplitterWidth,
                         PropertyColumnWidth, HeaderPanelWidth});
    auto* clientArea = new QWidget;
    auto* clientLayout = new QVBoxLayout(clientArea);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(Splitter1);
    setCentralWidget(clientArea);

    // The type picker floats across the top of the client area when it is called up; it is a child
    // of the client area outside its layout (a child of the splitter would become a pane of it).
    ComboBox4 = new QComboBox(clientArea);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    ComboBox4->setEditable(true);
    ComboBox4->lineEdit()->setReadOnly(true);
    ComboBox4->setLayoutDirection(Qt::RightToLeft);
    ComboBox4->setStyleSheet(QStringLiteral("QComboBox, QComboBox QLineEdit { background: #FFFF00; }"));
    ComboBox4->hide();
}

void TForm1::CreatePropertyColumn() {
    QWidget* column = PropertyColumn;
    RadioGroup1 = NewRadioGroup(column, tr("Тип объекта"), {tr("Точки"), tr("Линии"), tr("Полигоны")},
                                QRect(4, 2, 140, 76), false, RadioGroup1Box);
    RadioGroup1Box->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->button(KindPoint)->setChecked(true);

    ObjectFilter = new QLineEdit(column);
    ObjectFilter->setObjectName(QStringLiteral("ObjectFilter"));
    ObjectFilter->setGeometry(6, 82, 136, 22);
    ObjectFilter->setPlaceholderText(tr("Фильтр (Ctrl+F)"));
    ObjectFilter->setClearButtonEnabled(true);
    ObjectFilter->setToolTip(
        tr("Оставляет в списке объекты, код, название или подпись которых содержат этот текст"));

    ComboBox1 = new QComboBox(column);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(6, 82 + FilterRow, 136, 22);
    ComboBox1->setEditable(true);
    ComboBox1->lineEdit()->setReadOnly(true);
    // A long entry shows its start, the code that tells the objects apart, rather than its end.
    // Setting the same text again moves the cursor to the end without a change of text, so the
    // cursor itself is watched; the field is read-only, nobody places it.
    connect(ComboBox1->lineEdit(), &QLineEdit::cursorPositionChanged, ComboBox1->lineEdit(),
            [edit = ComboBox1->lineEdit()] { edit->setCursorPosition(0); });
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    Edit3 = new QLineEdit(column);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setGeometry(6, 82 + FilterRow, 60, 22);
    Edit3->hide();
    Edit1 = new QLineEdit(column);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(76, 82 + FilterRow, 60, 22);
    Edit1->hide();

    RadioGroup2 = NewRadioGroup(column, tr("Отобразить"), {tr("День"), tr("Ночь")},
                                QRect(4, 108 + FilterRow, 140, 40), true, RadioGroup2Box);
    RadioGroup2Box->setObjectName(QStringLiteral("RadioGroup2"));
    RadioGroup2->button(Day)->setChecked(true);

    int top = 152 + FilterRow;
    SpinEdit1 = NewSpinRow(column, tr("Ширина линии"), 1, 15, "SpinEdit1", top);
    SpinEdit2 = NewSpinRow(column, tr("Шир.  бордюра"), 0, 15, "SpinEdit2", top);
    NewCaption(column, tr("Ориентация"), top);
    ComboBox5 = new QComboBox(column);
    ComboBox5->setObjectName(QStringLiteral("ComboBox5"));
    ComboBox5->addItems({QStringLiteral("N"), QStringLiteral("Y")});
    ComboBox5->setGeometry(FieldLeft, top, FieldWidth, 22);
    top += RowHeight;
    SpinEdit3 = NewSpinRow(column, tr("Цветов"), 1, 2, "SpinEdit3", top);
    NewCaption(column, tr("Символ"), top);
    ComboBox2 = new OwnerDrawComboBox(column);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setGeometry(FieldLeft - 20, top, FieldWidth + 20, 22);
    QFont bold = ComboBox2->font();
    bold.setBold(true);
    ComboBox2->setFont(bold);
    ComboBox2->setItemDelegate(new OwnerDrawDelegate(ComboBox2, 13));
    top += RowHeight;
    NewCaption(column, tr("Цвет"), top);
    Edit2 = new QLineEdit(column);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit2->setGeometry(FieldLeft - 20, top, FieldWidth + 20, 22);
    top += RowHeight;
    SpinEdit4 = NewSpinRow(column, tr("Размер по X"), 0, 32, "SpinEdit4", top);
    SpinEdit5 = NewSpinRow(column, tr("Размер по Y"), 0, 32, "SpinEdit5", top);
    SpinEdit6 = NewSpinRow(column, tr("Повторяемость"), 1, 2, "SpinEdit6", top);
    CheckBox1 = new QCheckBox(tr("Без матрицы"), column);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(CaptionLeft, top, 130, 20);
    CheckBox1->hide();
    top += RowHeight;
    NewCaption(column, tr("Размер"), top);
    ScrollBar1 = new QScrollBar(Qt::Horizontal, column);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(MinCellSize, MaxCellSize);
    ScrollBar1->setValue(DefaultCellSize);
    ScrollBar1->setPageStep(1);
    // The zoom is reached with Tab and moved with the arrow keys like any other control.
    ScrollBar1->setFocusPolicy(Qt::StrongFocus);
    ScrollBar1->setGeometry(FieldLeft - 40, top + 2, FieldWidth + 40, 18);

    LabelEditor = new QPlainTextEdit(column);
    LabelEditor->setObjectName(QStringLiteral("LabelEditor"));
    LabelEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
    LabelEditor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LabelEditor->setGeometry(6, 408 + FilterRow, 136, 75);
    LabelEditor->setEnabled(false);

    ComboBox3 = new QComboBox(column);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->setEditable(true);
    ComboBox3->lineEdit()->setReadOnly(true);
    ComboBox3->setInsertPolicy(QComboBox::NoInsert);
    ComboBox3->setGeometry(6, 488 + FilterRow, 136, 22);

    CreateLabelStyleBox(QRect(4, 514 + FilterRow, 140, 92));

    RadioGroup3 = NewRadioGroup(column, tr("Палитра"), {tr("Стандартная"), QStringLiteral("GPSMAP 60C")},
                                QRect(4, 610 + FilterRow, 140, 58), false, RadioGroup3Box);
    RadioGroup3Box->setObjectName(QStringLiteral("RadioGroup3"));
    RadioGroup3->button(1)->setChecked(true);

    BitBtn1 = new QPushButton(tr("Добавить"), column);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    // In creation mode the two buttons stand in the place of the label style box.
    BitBtn1->setGeometry(6, 524 + FilterRow, 136, 26);
    BitBtn1->hide();
    BitBtn2 = new QPushButton(tr("&Отменить", "the button that leaves creation mode"), column);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(6, 556 + FilterRow, 136, 26);
    BitBtn2->hide();

    // The catalogues are kept in hidden lists; the type picker copies the one of the chosen kind.
    const std::array<QComboBox**, 3> catalogues{&ComboBox6, &ComboBox7, &ComboBox8};
    for (int kind = 0; kind < 3; ++kind) {
        QComboBox*& list = *catalogues[size_t(kind)];
        list = new QComboBox(column);
        list->setObjectName(QStringLiteral("ComboBox%1").arg(6 + kind));
        list->addItems(ShownTypeCatalogue(kind));
        list->hide();
    }
    for (std::string_view row : LanguageList())
        ComboBox3->addItem(QString::fromUtf8(row.data(), qsizetype(row.size())));
}

void TForm1::CreateLabelStyleBox(QRect geometry) {
    LabelStyleBox = new QGroupBox(tr("Подпись"), PropertyColumn);
    LabelStyleBox->setObjectName(QStringLiteral("LabelStyleBox"));
    LabelStyleBox->setGeometry(geometry);
    constexpr int Left = 4, ChooserLeft = 48, NoneWidth = 38, Top = 18;
    const int chooserWidth = geometry.width() - ChooserLeft - NoneWidth - 8;
    auto caption = [this](const QString& text, int top) {
        auto* label = new QLabel(text, LabelStyleBox);
        label->setGeometry(Left, top + 2, ChooserLeft - Left - 2, 18);
    };
    caption(tr("Шрифт"), Top);
    FontStyleList = new QComboBox(LabelStyleBox);
    FontStyleList->setObjectName(QStringLiteral("FontStyleList"));
    FontStyleList->setGeometry(ChooserLeft, Top, geometry.width() - ChooserLeft - 4, 22);

    auto chooser = [&](const QString& text, int top, const char* name, ColourButton*& button,
                       QPushButton*& none) {
        caption(text, top);
        button = new ColourButton(LabelStyleBox);
        button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Button"));
        button->setGeometry(ChooserLeft, top, chooserWidth, 22);
        none = new QPushButton(QStringLiteral("none"), LabelStyleBox);
        none->setObjectName(QString::fromLatin1(name) + QStringLiteral("None"));
        none->setGeometry(ChooserLeft + chooserWidth + 4, top, NoneWidth, 22);
    };
    chooser(tr("День"), Top + RowHeight, "DayLabelColour", DayLabelColourButton, DayLabelColourNone);
    chooser(tr("Ночь"), Top + 2 * RowHeight, "NightLabelColour", NightLabelColourButton,
            NightLabelColourNone);
    LabelStyleBox->setEnabled(false);
}

void TForm1::WidenPropertyColumn() {
    // The controls that span the column take its width; the captioned fields keep their place.
    const int width = PropertyColumn->width();
    for (QWidget* control :
         std::initializer_list<QWidget*>{ObjectFilter, ComboBox1, LabelEditor, ComboBox3, BitBtn1, BitBtn2})
        control->resize(width - 12, control->height());
    for (QWidget* box : {static_cast<QWidget*>(RadioGroup1Box), static_cast<QWidget*>(RadioGroup2Box),
                         static_cast<QWidget*>(RadioGroup3Box)})
        box->resize(width - 8, box->height());
}

} // namespace velmora
