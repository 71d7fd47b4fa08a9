#include "app/ui/save_print.h"

#include "app/ui/document_output.h"
#include "drawing/picture_record.h"
#include "drawing/ui/painter_canvas.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace omvera {

QString QtFilterList(const char* filter) {
    const QStringList parts = QString::fromUtf8(filter).split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries << parts[i] + QStringLiteral(" (") + parts[i + 1] + QStringLiteral(")");
    return entries.join(QStringLiteral(";;"));
}

bool ExecSaveDialog(QWidget* parent, SaveDialogModel& dialog) {
    const QString filters = QtFilterList(kSaveFilter);
    const QStringList entries = filters.split(QStringLiteral(";;"));
    QString selected = entries.value(dialog.FilterIndex - 1, entries.first());
    const QString folder =
        dialog.Folder.empty() ? QDir::currentPath() : QString::fromStdString(dialog.Folder);
    const QString start = QDir(folder).filePath(QString::fromStdString(dialog.FileName));
    const QString chosen = QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить как"),
                                                        start, filters, &selected);
    if (chosen.isEmpty()) return false;
    dialog.FileName = chosen.toStdString();
    dialog.FilterIndex = static_cast<int>(entries.indexOf(selected)) + 1;
    if (dialog.FilterIndex < 1) dialog.FilterIndex = kFilterAll;
    dialog.Folder = QFileInfo(chosen).absolutePath().toStdString();
    return true;
}

bool ExecPrintDialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Печать"));
    return dialog.exec() == QDialog::Accepted;
}

QImage MainWindowEncoders::Pixels() const {
    return bitmap_.copy(0, 0, std::min(canvas_.Width(), bitmap_.width()),
                        std::min(canvas_.Height(), bitmap_.height()));
}

Bitmap MainWindowEncoders::Picture() const {
    return FromQImage(Pixels());
}

std::string MainWindowEncoders::Png() const {
    return PngBytes(Pixels());
}

namespace {

PagedDocument Document(const std::vector<std::string>& lines, const PainterCanvas& canvas,
                       const PictureRecorder& record, bool text, bool picture) {
    PagedDocument doc;
    if (text) doc.Lines = &lines;
    if (picture) {
        doc.Picture = &record.Ops();
        doc.PictureWidth = canvas.Width();
        doc.PictureHeight = canvas.Height();
        doc.PictureFont = canvas.Font;
    }
    return doc;
}

} // namespace

std::string MainWindowEncoders::Pdf(bool text, bool picture) const {
    return PdfBytes(Document(lines_, canvas_, record_, text, picture));
}

void MainWindowEncoders::Print(QPrinter& printer, bool text, bool picture) const {
    PaintDocument(printer, Document(lines_, canvas_, record_, text, picture));
}

} // namespace omvera
