// Creation mode ("Добавить объект" until "Добавить" or "Отменить"): the one place that knows whether
// a new object is being set up. Entering presets the controls of the property column for the kind
// (commands/new_object.h), colours the column yellow, puts the type fields in the place of the
// object list, filters the keys of the type fields and lets Enter in any of its fields commit;
// while it is on, the view chooser sets the colour count of a new line or polygon. Leaving, by
// commit or cancel, gives every control it touched back the state it had before, so that nothing
// of the set-up stays on the object shown afterwards. It knows nothing of the document: commit
// hands the window the settings of the new object, and the window creates it through the
// history.
#pragma once

#include "commands/new_object.h"

#include <QObject>
#include <QPalette>
#include <QString>

#include <optional>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace velmora {

class CreationMode : public QObject {
  public:
    // The controls creation mode sets up, by what they are in the window.
    struct Controls {
        QButtonGroup* ViewChooser = nullptr; // "Отобразить": "День", "Ночь" (here "День и ночь")
        QWidget* ViewChooserBox = nullptr; // its group box
        QWidget* KindChooserBox = nullptr; // "Тип объекта"
        QComboBox* ObjectList = nullptr;   // gives its place to the type fields
        QComboBox* TypePicker = nullptr;   // closed while creating
        QLineEdit* TypeField = nullptr;    // hexadecimal type
        QLineEdit* SubTypeField = nullptr; // hexadecimal subtype (points)
        QSpinBox* LineWidth = nullptr;     // "Ширина линии"
        QSpinBox* BorderWidth = nullptr;   // "Шир.  бордюра"
        QSpinBox* ColourCount = nullptr;   // "Цветов"
        QSpinBox* Width = nullptr;         // "Размер по X"
        QSpinBox* Height = nullptr;        // "Размер по Y"
        QSpinBox* CharsPerPixel = nullptr; // "Повторяемость"
        QComboBox* Orientation = nullptr;  // "Ориентация"
        QCheckBox* NoBitmap = nullptr;     // "Без матрицы"
        QPushButton* Commit = nullptr;     // "Добавить"
        QPushButton* Cancel = nullptr;     // "&Отменить"
        QWidget* LabelStyleBox = nullptr;  // "Подпись": needs an object, hidden while creating
        QWidget* PropertyColumn = nullptr; // coloured yellow while creating
        QLabel* StatusPanel = nullptr;     // says what is being created
    };

    explicit CreationMode(const Controls& controls, QObject* parent = nullptr);

    bool Active() const { return On; }
    // Sets the controls up for a new object of kind. Entering again while on sets them up afresh
    // and keeps the states to go back to from the first entry.
    void Enter(int kind);
    // The settings the controls hold, and the controls as they were before entering; none when
    // creation mode is off.
    std::optional<NewObjectSettings> Commit();
    // The controls as they were before entering; false when creation mode is off.
    bool Cancel();

    // The view chooser while creating: a new line or polygon has two colours by day, four by day
    // and night.
    void ViewChosen();
    // "Без матрицы" while creating: a line or polygon without bitmap has no size and no orientation.
    void NoBitmapClicked();
    // "Размер по X" while creating a line with a bitmap offers the orientation.
    void WidthChanged();

    // The characters the type fields take: control keys (Return commits, Delete erases, the editing
    // shortcuts work) and hexadecimal digits; pasted text is read as hexadecimal all the same.
    static bool IsTypeFieldCharacter(QChar key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What a control looked like before entering, to be given back on leaving.
    struct Saved {
        QWidget* Control;
        bool Enabled;
        bool Hidden;
    };
    struct SavedSpin {
        QSpinBox* Spin;
        int Minimum, Maximum, Value;
        QString SpecialValueText;
    };
    void Remember();
    void Restore();
    void ApplyPreset();
    bool SecondViewItem() const;
    std::vector<QWidget*> TouchedControls() const;

    Controls C;
    bool On = false;
    int Kind = 0;
    CreationPreset Preset;
    std::vector<Saved> SavedStates;
    std::vector<SavedSpin> SavedSpins;
    QPalette SavedPalette;
    QString SavedNightItem;
    QString SavedStatus;
    int SavedOrientation = 0;
    int SavedTypeLength = 0;
    int SavedSubTypeLength = 0;
};

} // namespace velmora
