#include "app/Ab.h"

#include "app/toolbar_icons.h"
#include "model/maintyp.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

// The resources live in a static library, whose initialiser the linker would otherwise drop.
static int InitVelmoraResources() {
    Q_INIT_RESOURCE(velmora);
    return 0;
}

namespace velmora {

void EnsureResources() {
    [[maybe_unused]] static const int done = InitVelmoraResources();
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    EnsureResources();
    setWindowTitle(QStringLiteral("About"));
    setObjectName(QStringLiteral("AboutBox"));

    ProgramIcon = new QLabel(this);
    ProgramIcon->setPixmap(ProgramIconImage().pixmap(64, 64));
    ProductName = new QLabel(QStringLiteral("Velmora"), this);
    QFont bold = ProductName->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    ProductName->setFont(bold);
    Version = new QLabel(QString::fromUtf8(VersionText.data(), qsizetype(VersionText.size())), this);
    Copyright = new QLabel(QStringLiteral("Velmora developers, free software"), this);
    Comments = new QLabel(tr("Создание и редактирование текстовых TYP-файлов"), this);
    Comments->setWordWrap(true);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(ProgramIcon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(ProductName, 0, 1);
    layout->addWidget(Version, 1, 1);
    layout->addWidget(Copyright, 2, 1);
    layout->addWidget(Comments, 3, 0, 1, 2);
    layout->addWidget(OKButton, 4, 0, 1, 2, Qt::AlignHCenter);
    setFixedSize(sizeHint().expandedTo(QSize(300, 180)));
}

} // namespace velmora
