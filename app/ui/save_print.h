#pragma once
// The toolkit's side of "Сохранить как..." and "Печать": the modal dialogs and the encoders
// of the main window's picture and text.
#include "app/save_commands.h"

#include <QString>

class QImage;
class QPrinter;
class QWidget;

namespace omvera {

class PainterCanvas;
class PictureRecorder;

// "rtf|*.rtf|bmp|*.bmp" as Qt's filter list "rtf (*.rtf);;bmp (*.bmp)".
QString QtFilterList(const char* filter);

// Runs the save dialog with the model's name, filter and folder; on "Save" writes the chosen
// path, filter and folder back and returns true.
bool ExecSaveDialog(QWidget* parent, SaveDialogModel& dialog);
// Runs the print dialog; true when the user chose to print.
bool ExecPrintDialog(QWidget* parent, QPrinter& printer);

// The picture and text of the main window as the saved files need them.
class MainWindowEncoders : public SaveEncoders {
  public:
    MainWindowEncoders(const QImage& bitmap, const PainterCanvas& canvas,
                       const PictureRecorder& record, const std::vector<std::string>& lines)
        : bitmap_(bitmap), canvas_(canvas), record_(record), lines_(lines) {}
    Bitmap Picture() const override;
    std::string Png() const override;
    std::string Pdf(bool text, bool picture) const override;
    // Paints the text and/or picture on the printer.
    void Print(QPrinter& printer, bool text, bool picture) const;

  private:
    QImage Pixels() const;

    const QImage& bitmap_;
    const PainterCanvas& canvas_;
    const PictureRecorder& record_;
    const std::vector<std::string>& lines_;
};

} // namespace omvera
