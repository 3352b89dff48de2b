// The about box: program icon, product name, version, credit and comment.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmora {

// Makes the icon and help page of the program available as ":/icons/..." and ":/help/...".
void EnsureResources();

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;
};

} // namespace velmora
