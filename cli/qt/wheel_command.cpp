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
    "Использование: omvera-cli wheel --date Д.М.ГГГГ --time Ч:М --lat ТЕКСТ --lon ТЕКСТ\n"
    "                                [--houses P|K|A|M|S|L] --out ФАЙЛ [--size ШxВ]\n"
    "\n"
    "Рисует натальную карту пункта меню «Взрослый» (круг, заголовок, положения, дома,\n"
    "столбец домов и линии аспектов) для одной карты, как её содержала бы первая форма\n"
    "карты, и записывает рисунок. Значки берутся из папки Dann в текущей папке (или из\n"
    "установленной папки данных, если в текущей её нет), как и у самой программы;\n"
    "о недостающем значке выводится сообщение, и он пропускается.\n"
    "\n";
const char* const kWheelKindHelp =
    "  --kind ВИД       natal (по умолчанию), transit, synastry (партнёрство), solar или\n"
    "                   lunar: рисунок двух карт, как после «Добавить в карту», «Расчет\n"
    "                   Cоляра» или двойного щелчка по найденному лунару, со второй картой\n"
    "                   внизу\n"
    "  --pick N         (lunar) какое из трёх найденных возвращений, 1..3 (по умолчанию 1)\n";
const char* const kWheelHelpTail =
    "  --out ФАЙЛ       файл рисунка: BMP для имени на .bmp, PNG для .png, PDF (карта\n"
    "                   векторами на странице A4) для .pdf\n"
    "  --size ШxВ       размер рисунка в пикселях, каждая сторона 16..6000 (по умолчанию\n"
    "                   471x336 — рисунок главного окна в его исходном размере)\n"
    "  --help           показать эту справку\n"
    "\n"
    "Предупреждения выводятся в stderr. При неверных аргументах код выхода 2.\n";

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
            << "вторая карта (transit, synastry):\n"
            << kPartnerOptionsHelp << "возвращение (solar, lunar):\n"
            << kReturnOptionsHelp << kWheelHelpTail;
        return 0;
    }
    const auto outFile = o.values.find("--out");
    if (outFile == o.values.end()) throw UsageError("wheel: нужен параметр --out ФАЙЛ");
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

const CommandRegistration kWheel("wheel", "рисунок натальной карты в BMP, PNG или PDF",
                                 WheelCommand);

} // namespace
} // namespace omvera::cli
