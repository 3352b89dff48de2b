// Commands on whole objects: deleting, copying to and pasting from the clipboard, the BMP template
// under the grid and the BMP of the shown picture, and handing the text file to the compiler.
#include "app/TForm1.h"

#include "commands/clipboard_record.h"
#include "commands/edit_commands.h"
#include "view/matrix.h"
#include "view/render.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QMimeData>
#include <QPainter>
#include <QSaveFile>

namespace velmora {

namespace {

// The clipboard format of one object. Qt names clipboard formats by MIME type; the program's
// format keeps its name "Garmin".
const QString ClipboardFormat =
    QString::fromLatin1(ClipboardFormatName.data(), qsizetype(ClipboardFormatName.size()));

} // namespace

void TForm1::ToolButton4Click() {
    const int index = ComboBox1->currentIndex();
    const int kind = ChosenKind();
    if (ComboBox1->count() > 0 && index >= 0) {
        Edit::Delete(*History, Document, kind, index);
        if (Document.List(kind).empty()) ComboBox2->update();
    }
    ShowLabels();
    RadioGroup2Box->setEnabled(true);
    ClearPicture();
    RadioGroup1Click();
}

void TForm1::ToolButton10Click() {
    const TGarminObject* object = Document.CurrentObject;
    if (!object) return;
    const std::vector<uint8_t> block = EncodeClipboardRecord(*object);
    auto* data = new QMimeData;
    data->setData(ClipboardFormat,
                  QByteArray(reinterpret_cast<const char*>(block.data()), qsizetype(block.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TForm1::ToolButton11Click() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    // Nothing of this program's on the clipboard: there is nothing to paste.
    if (!data || !data->hasFormat(ClipboardFormat)) return;
    const QByteArray block = data->data(ClipboardFormat);
    if (!Edit::Paste(*History, Document,
                     std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(block.constData()),
                                              size_t(block.size())))) {
        Dialogs.Message(tr("Объект в буфере обмена повреждён или записан другой программой; он не вставлен."),
                        MessageKind::Error);
        return;
    }
    // The pasted object stands at the end of its own kind's list, whatever kind is shown.
    RadioGroup1Click();
}

void TForm1::ToolButton6Click() {
    TGarminObject* object = Document.CurrentObject;
    if (!object || !object->Quadrat || object->Quadrat->ColCount == 0 || object->Quadrat->RowCount == 0)
        return;
    std::optional<QString> fileName = Dialogs.OpenFileName({tr("Открыть"), tr("Рисунок (*.bmp)"), QString()});
    if (fileName) {
        QImageReader reader(*fileName, "BMP");
        QImage picture = reader.read();
        if (picture.isNull()) {
            Dialogs.Message(tr("Не удалось прочитать рисунок %1:\r%2").arg(*fileName, reader.errorString()),
                            MessageKind::Error);
            return;
        }
        TracingPicture = std::move(picture);
    }
    Edit::LayPicture(*History, Document, *object, MatrixImage, TracingPicture, ShownView(), ScreenDrawing);
    ShowMatrix();
}

void TForm1::ToolButton7Click() {
    if (!Document.CurrentObject || Image1->Picture().isNull()) return;
    std::optional<QString> fileName = Dialogs.SaveFileName(
        {tr("Сохранить"), tr("Файл bmp (*.bmp)"), QStringLiteral("bmp"), true, QString()});
    if (!fileName) return;
    // The file keeps the white of transparent cells; the checkerboard is for the screen only.
    const QImage picture = WhiteDrawnPicture(*Document.CurrentObject, ShownView(), Image1->Picture());
    QSaveFile file(*fileName);
    QString failure;
    if (!file.open(QIODevice::WriteOnly)) {
        failure = file.errorString();
    } else {
        QImageWriter writer(&file, "BMP");
        if (!writer.write(picture))
            failure = writer.errorString();
        else if (!file.commit())
            failure = file.errorString();
    }
    if (!failure.isEmpty())
        Dialogs.Message(tr("Не удалось записать файл %1:\r%2").arg(*fileName, failure), MessageKind::Error);
}

} // namespace velmora
