#include "app/save_commands.h"

#include "app/state.h"
#include "base/errors.h"
#include "base/text_file.h"

#include <algorithm>
#include <cctype>

namespace omvera {

void PrepareSaveDialog(State& state) {
    MainWindowModel& m = state.Form1;
    m.GroupBox1Visible = false;
    SaveDialogModel& d = state.SaveDialog1;
    if (m.RichEdit1Visible) d.FileName = "Shriebe", d.FilterIndex = kFilterRtf;
    if (m.Image1Visible) d.FileName = "Karta", d.FilterIndex = kFilterBmp;
}

std::string WithExtension(const std::string& name, std::string_view extension) {
    auto lower = [](unsigned char c) { return std::tolower(c); };
    const bool has = name.size() >= extension.size() &&
                     std::equal(extension.begin(), extension.end(),
                                name.end() - static_cast<std::ptrdiff_t>(extension.size()),
                                [&](char a, char b) { return lower(a) == lower(b); });
    return has ? name : name + std::string(extension);
}

std::vector<SaveFile> FilesToSave(const MainWindowModel& m, const std::string& name,
                                  int filterIndex) {
    const bool text = m.RichEdit1Visible, picture = m.Image1Visible;
    std::vector<SaveFile> files;
    if (filterIndex == kFilterPdf) {
        if (text || picture)
            files.push_back({SaveFile::Pdf, WithExtension(name, ".pdf"), text, picture});
        return files;
    }
    if (text) files.push_back({SaveFile::Rtf, WithExtension(name, ".rtf"), true, false});
    if (picture) {
        if (filterIndex == kFilterPng)
            files.push_back({SaveFile::Png, WithExtension(name, ".png"), false, true});
        else
            files.push_back({SaveFile::Bmp, WithExtension(name, ".bmp"), false, true});
    }
    return files;
}

std::string TextViewRtf(const std::vector<std::string>& lines) {
    return RtfDocument(lines, kTextViewFont);
}

void SaveFiles(const State& state, const std::vector<SaveFile>& files, const SaveEncoders& enc) {
    for (const SaveFile& f : files) {
        std::string bytes;
        switch (f.format) {
        case SaveFile::Rtf:
            bytes = TextViewRtf(state.Form1.RichEdit1Lines);
            break;
        case SaveFile::Bmp:
            bytes = EncodeBmp(enc.Picture());
            break;
        case SaveFile::Png:
            bytes = enc.Png();
            break;
        case SaveFile::Pdf:
            bytes = enc.Pdf(f.text, f.picture);
            break;
        }
        WriteFileAtomically(f.path, bytes);
    }
}

} // namespace omvera
