#pragma once
// "Сохранить как...": the text view as RTF (or PDF), the chart picture as a Windows bitmap (or
// PNG or PDF). The dialog itself and the encoders that need the toolkit live in the views;
// the choice of files and the writing live here.
#include "base/rtf_writer.h"
#include "drawing/bitmap.h"

#include <string>
#include <string_view>
#include <vector>

namespace omvera {

struct MainWindowModel;
struct State;

// SaveDialog1's filter list: entries 1 rtf, 2 bmp, 3 all files, 4 png, 5 pdf.
inline constexpr const char* kSaveFilter = "rtf|*.rtf|bmp|*.bmp|все|*.*|png|*.png|pdf|*.pdf";
enum SaveFilterIndex {
    kFilterRtf = 1,
    kFilterBmp = 2,
    kFilterAll = 3,
    kFilterPng = 4,
    kFilterPdf = 5
};

// The text view's font, which the saved RTF and PDF keep.
inline const RtfFont kTextViewFont{"Courier", 15};

// The dialog's fields, kept between runs as the dialog component keeps them.
struct SaveDialogModel {
    std::string FileName = "Noname.rtf";
    int FilterIndex = kFilterRtf;
    std::string Folder; // where the dialog opens: the folder of the last save, else the current
};

// Steps 1 to 3: hides the about panel and proposes "Shriebe" with filter 1 for the text,
// "Karta" with filter 2 for the picture (the picture wins when both are shown).
void PrepareSaveDialog(State& state);

// The name with the extension (".rtf") appended, unless it already ends in it, letter case
// ignored: "x" and "x.rtf" give "x.rtf", "X.RTF" stays, "x.bmp" gives "x.bmp.rtf".
std::string WithExtension(const std::string& name, std::string_view extension);

struct SaveFile {
    enum Format { Rtf, Bmp, Png, Pdf } format;
    std::string path;
    bool text = false;    // the file holds the text view
    bool picture = false; // the file holds the chart picture
};

// The files written for the chosen name and filter, text first: the text as RTF and the
// picture as BMP, or the picture as PNG with filter 4, or both in one PDF with filter 5.
// Nothing when neither the text nor the picture is shown.
std::vector<SaveFile> FilesToSave(const MainWindowModel& m, const std::string& name,
                                  int filterIndex);

// What only the views can make: the picture's pixels and the PNG and PDF encodings.
class SaveEncoders {
  public:
    virtual ~SaveEncoders() = default;
    virtual Bitmap Picture() const = 0;
    virtual std::string Png() const = 0;
    virtual std::string Pdf(bool text, bool picture) const = 0;
};

// The RTF file of the text view's lines.
std::string TextViewRtf(const std::vector<std::string>& lines);

// Writes the files in order, each through a temporary file renamed into place. The first
// failure throws Error naming its file; the files after it are not written.
void SaveFiles(const State& state, const std::vector<SaveFile>& files, const SaveEncoders& enc);

} // namespace omvera
