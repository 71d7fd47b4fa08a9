// omvera-cli wheel: the natal chart picture of "Взрослый", drawn off-screen by the same
// command as the main window's menu item on a picture of the asked size, written as BMP, PNG
// or PDF (the wheel as vectors). Text needs a font rasteriser, so this command is built with
// the Qt views and runs on Qt's off-screen platform: no display is needed.
#include "app/chart_commands.h"
#include "app/chart_drawing.h"
#include "app/state.h"
#include "app/ui/document_output.h"
#include "base/data_folders.h"
#include "base/text_file.h"
#include "cli/chart_options.h"
#include "cli/commands.h"
#include "cli/qt/gui_application.h"
#include "cli/second_chart_options.h"
#include "drawing/bitmap.h"
#include "drawing/glyphs.h"
#include "drawing/picture_record.h"
#include "drawing/ui/painter_canvas.h"

#include <QImage>

#include <algorithm>
#include <cctype>
#include <memory>
#include <ostream>
#include <regex>

namespace omvera::cli {
namespace {

// The picture Image1 at the main window's design size 571 × 466, after layout.
constexpr int kDefaultWidth = 471, kDefaultHeight = 336;
// The main window is this much larger than its picture (LayoutMainWindow).
constexpr int kWindowMarginWidth = 100, kWindowMarginHeight = 130;
constexpr int kMinSide = 16, kMaxSide = 6000;

const char* const kWheelHelpHead =
    "Usage: omvera-cli wheel --date D.M.YYYY --time H:M --lat TEXT --lon TEXT\n"
    "                        [--houses P|K|A|M|S|L] --out FILE [--size WxH]\n"
    "\n"
    "Draws the natal chart of the menu item \"Взрослый\" (wheel, header, positions, houses,\n"
    "house column and aspect lines) for one chart, as the first chart form would hold it,\n"
    "and writes the picture. The glyphs come from the folder Dann in the current folder\n"
    "(or the installed data folder when the current folder has none), as for the program\n"
    "itself; a missing glyph is reported and left out.\n"
    "\n";
const char* const kWheelKindHelp =
    "  --kind KIND      natal (default), transit, synastry (partnership), solar or lunar:\n"
    "                   the two-chart picture of \"Добавить в карту\", \"Расчет Cоляра\" or a\n"
    "                   double-click on a found lunar return, with the second chart below\n"
    "  --pick N         (lunar) which of the three returns found, 1..3 (default 1)\n";
const char* const kWheelHelpTail =
    "  --out FILE       the picture file: BMP for a name ending in .bmp, PNG for .png,\n"
    "                   PDF (the wheel as vectors on an A4 page) for .pdf\n"
    "  --size WxH       the picture's size in pixels, each 16..6000 (default 471x336,\n"
    "                   the picture of the main window at its design size)\n"
    "  --help           show this text\n"
    "\n"
    "Warnings go to stderr. Bad arguments end with exit status 2.\n";

enum class PictureFormat { Bmp, Png, Pdf };

PictureFormat FormatOf(const std::string& file) {
    std::string lower = file;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    auto endsWith = [&lower](const char* ext) {
        const std::string e = ext;
        return lower.size() > e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0;
    };
    if (endsWith(".bmp")) return PictureFormat::Bmp;
    if (endsWith(".png")) return PictureFormat::Png;
    if (endsWith(".pdf")) return PictureFormat::Pdf;
    throw UsageError("wheel: имя файла «" + file + "» не кончается на .bmp, .png или .pdf");
}

void ParseSize(const std::string& text, int& width, int& height) {
    static const std::regex kSize(R"((\d{1,5})[xX](\d{1,5}))");
    std::smatch m;
    if (!std::regex_match(text, m, kSize))
        throw UsageError("wheel: размер «" + text + "» не в виде ШxВ");
    width = std::stoi(m[1]);
    height = std::stoi(m[2]);
    if (width < kMinSide || width > kMaxSide || height < kMinSide || height > kMaxSide)
        throw UsageError("wheel: размер «" + text + "» вне пределов " + std::to_string(kMinSide) +
                         ".." + std::to_string(kMaxSide) + " по каждой стороне");
}

// The picture of one chart command, with what its second chart form's button draws.
void DrawKind(State& s, ChartCanvases& c, const ChartOptions& o) {
    const auto kindOption = o.values.find("--kind");
    const std::string kind = kindOption == o.values.end() ? "natal" : kindOption->second;
    auto refuse = [&o](const std::vector<std::string>& names, const std::string& k) {
        for (const auto& n : names)
            if (o.values.count(n))
                throw UsageError("wheel: параметр " + n + " не подходит к --kind " + k);
    };
    if (kind != "lunar" && o.values.count("--pick"))
        throw UsageError("wheel: параметр --pick только для --kind lunar");
    if (kind == "natal") {
        refuse(kPartnerOptions, kind);
        refuse(kReturnOptions, kind);
        N40Click(s, c);
    } else if (kind == "transit" || kind == "synastry") {
        refuse(kReturnOptions, kind);
        if (kind == "transit")
            N13Click(s, c);
        else
            N39Click(s, c);
        FillPartnerOptions(s, o, "wheel");
        SecondChartAddToChart(s, c);
    } else if (kind == "solar") {
        refuse(kPartnerOptions, kind);
        N22Click(s, c);
        FillReturnOptions(s, o, "wheel", false);
        SecondChartSolarReturn(s, c);
    } else if (kind == "lunar") {
        refuse(kPartnerOptions, kind);
        int pick = 1;
        if (auto p = o.values.find("--pick"); p != o.values.end())
            pick = ParseNumberOption(p->second, 1, 3, "wheel", "pick");
        N23Click(s, c);
        FillReturnOptions(s, o, "wheel", true);
        SecondChartLunarReturn(s, c);
        s.ID2.ListBox1Index = pick - 1;
        SecondChartLunarListDblClick(s, c);
    } else {
        throw UsageError("wheel: неизвестный вид карты «" + kind +
                         "» (natal, transit, synastry, solar или lunar)");
    }
}

int WheelCommand(const Args& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> own = {"--out", "--size", "--kind", "--pick"};
    own.insert(own.end(), kPartnerOptions.begin(), kPartnerOptions.end());
    own.insert(own.end(), kReturnOptions.begin(), kReturnOptions.end());
    const ChartOptions o = ParseChartOptions(args, "wheel", own);
    if (o.help) {
        out << kWheelHelpHead << kChartOptionsHelp << kWheelKindHelp
            << "second chart (transit, synastry):\n"
            << kPartnerOptionsHelp << "return (solar, lunar):\n"
            << kReturnOptionsHelp << kWheelHelpTail;
        return 0;
    }
    const auto outFile = o.values.find("--out");
    if (outFile == o.values.end()) throw UsageError("wheel: нужен параметр --out FILE");
    const PictureFormat format = FormatOf(outFile->second);
    int width = kDefaultWidth, height = kDefaultHeight;
    if (const auto size = o.values.find("--size"); size != o.values.end())
        ParseSize(size->second, width, height);

    const auto gui = EnsureGuiApplication();
    State s;
    SetDataLocation(s, LocateData());
    FillFirstChartForm(s, o);
    // The main window's size whose layout gives the picture this size.
    s.Form1.Width = width + kWindowMarginWidth;
    s.Form1.Height = height + kWindowMarginHeight;
    LoadGlyphs(s);

    QImage picture, prosm, aspq;
    PainterCanvas image1(picture), prosmCanvas(prosm), aspqCanvas(aspq);
    PictureRecorder record(image1);
    ChartCanvases canvases{record, prosmCanvas, aspqCanvas};
    DrawKind(s, canvases, o);

    for (const std::string& w : s.Warnings) err << "Предупреждение: " << w << "\n";
    const QImage pixels = picture.copy(0, 0, image1.Width(), image1.Height());
    std::string bytes;
    if (format == PictureFormat::Bmp) {
        bytes = EncodeBmp(FromQImage(pixels));
    } else if (format == PictureFormat::Png) {
        bytes = PngBytes(pixels);
    } else {
        PagedDocument doc;
        doc.Picture = &record.Ops();
        doc.PictureWidth = image1.Width();
        doc.PictureHeight = image1.Height();
        doc.PictureFont = image1.Font;
        bytes = PdfBytes(doc);
    }
    WriteFileAtomically(outFile->second, bytes);
    return 0;
}

const CommandRegistration
    kWheel("wheel", "draw the natal chart picture of one chart as BMP, PNG or PDF", WheelCommand);

} // namespace
} // namespace omvera::cli
