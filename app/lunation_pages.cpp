#include "app/lunation_pages.h"

#include "base/text_file.h"

#include <filesystem>
#include <map>

namespace omvera {
namespace {

std::string DecadePageName(int decade) {
    return "luna" + std::to_string(decade) + ".htm";
}

// Pads a UTF-8 text with blanks to `width` characters (not bytes).
std::string Pad(const std::string& s, size_t width) {
    size_t chars = 0;
    for (unsigned char c : s) chars += (c & 0xC0) != 0x80;
    return chars >= width ? s : s + std::string(width - chars, ' ');
}

const char* kStyle = "body{font-family:sans-serif;margin:1em 2em;color:#222}"
                     "table{border-collapse:collapse}"
                     "td,th{padding:2px 10px;border-bottom:1px solid #ddd;text-align:left}"
                     "tr.s td{background:#fff3c4}tr.l td{background:#dde8ff}"
                     "a{color:#1a4d99}h2{margin-top:1.5em}.nav{margin:1em 0}";

std::string PageHead(const std::string& title) {
    return "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\n"
           "<title>" +
           title + "</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n";
}

const char* kPageEnd = "</body>\n</html>\n";

const char* kExplanation =
    "<p>Время всюду гринвичское (всемирное, UT), то же, что вводится в формы программы, "
    "округлённое до минуты. Моменты фаз и затмений вычислены по опубликованным формулам "
    "(средняя фаза с периодическими поправками; условия затмения по аргументу широты Луны) в "
    "равномерном динамическом времени и переведены во всемирное время поправкой дельта T. "
    "Положение Луны дано в тропическом зодиаке на момент фазы: знак и градусы внутри "
    "знака.</p>\n"
    "<p>Для затмения указан его вид и момент наибольшей фазы, который отличается от момента "
    "новолуния или полнолуния на несколько минут, иногда до получаса. Солнечные затмения: "
    "полное, кольцеобразное, гибридное (кольцеобразно-полное) и частное; лунные: полное, "
    "частное и полутеневое. Точность моментов — около минуты.</p>\n";

std::string TableHead() {
    return "<table>\n<tr><th>Дата</th><th>Время</th><th>Фаза</th><th>Луна</th>"
           "<th>Затмение</th><th>Максимум</th></tr>\n";
}

std::string HtmlRow(const Lunation& l) {
    const LunationRow r = RowOf(l);
    std::string cls;
    if (l.eclipse != EclipseKind::None)
        cls = l.phase == MoonPhase::New ? " class=\"s\"" : " class=\"l\"";
    return "<tr" + cls + "><td>" + r.date + "</td><td>" + r.time + "</td><td>" + r.phase +
           "</td><td>" + r.position + "</td><td>" + r.eclipse + "</td><td>" + r.eclipseTime +
           "</td></tr>\n";
}

std::string DecadePage(int decade, int fromYear, int toYear,
                       const std::map<int, std::vector<Lunation>>& byYear) {
    const int first = std::max(decade, fromYear), last = std::min(decade + 9, toYear);
    const std::string span =
        first == last ? std::to_string(first) : std::to_string(first) + "–" + std::to_string(last);
    std::string nav = "<p class=\"nav\">";
    if (decade - 10 >= fromYear - fromYear % 10)
        nav += "<a href=\"" + DecadePageName(decade - 10) + "\">&larr; " +
               std::to_string(decade - 10) + "-е</a> | ";
    nav += "<a href=\"luna.htm\">Указатель годов</a>";
    if (decade + 10 <= toYear)
        nav += " | <a href=\"" + DecadePageName(decade + 10) + "\">" + std::to_string(decade + 10) +
               "-е &rarr;</a>";
    nav += "<br>Годы:";
    for (int y = first; y <= last; ++y)
        nav += " <a href=\"#y" + std::to_string(y) + "\">" + std::to_string(y) + "</a>";
    nav += "</p>\n";

    std::string html = PageHead("Новолуния, полнолуния и затмения " + span);
    html += "<h1>Новолуния, полнолуния и затмения " + span + "</h1>\n" + nav;
    for (int y = first; y <= last; ++y) {
        html += "<h2 id=\"y" + std::to_string(y) + "\">" + std::to_string(y) + "</h2>\n";
        html += TableHead();
        auto it = byYear.find(y);
        if (it != byYear.end())
            for (const auto& l : it->second) html += HtmlRow(l);
        html += "</table>\n";
    }
    html += nav + kPageEnd;
    return html;
}

std::string IndexPage(int fromYear, int toYear, const std::vector<Lunation>& table) {
    const std::string span = std::to_string(fromYear) + "–" + std::to_string(toYear);
    std::string html = PageHead("Новолуния, полнолуния и затмения " + span);
    html += "<h1>Новолуния, полнолуния и затмения " + span + "</h1>\n";
    html += kExplanation;
    html +=
        "<p>Выберите год. Строки затмений выделены цветом: солнечные жёлтым, лунные "
        "голубым. Руководство пользователя — на странице <a href=\"Help.htm\">Помощь</a>.</p>\n";
    html += "<table>\n";
    for (int decade = fromYear - fromYear % 10; decade <= toYear; decade += 10) {
        html += "<tr><th><a href=\"" + DecadePageName(decade) + "\">" + std::to_string(decade) +
                "-е</a></th><td>";
        for (int y = std::max(decade, fromYear); y <= std::min(decade + 9, toYear); ++y)
            html += " <a href=\"" + DecadePageName(decade) + "#y" + std::to_string(y) + "\">" +
                    std::to_string(y) + "</a>";
        html += "</td></tr>\n";
    }
    html += "</table>\n";
    int solar = 0, lunar = 0;
    for (const auto& l : table)
        if (l.eclipse != EclipseKind::None) (l.phase == MoonPhase::New ? solar : lunar)++;
    html += "<p>Всего в таблице " + std::to_string(table.size()) + " фаз, " +
            std::to_string(solar) + " солнечных и " + std::to_string(lunar) +
            " лунных затмений.</p>\n";
    return html + kPageEnd;
}

} // namespace

LunationRow RowOf(const Lunation& l) {
    LunationRow r;
    const MinuteOfDay m = ToMinute(l.jdUT);
    const std::string both = FormatMinute(m);
    r.date = both.substr(0, 10);
    r.time = both.substr(11);
    r.phase = PhaseCaption(l.phase);
    // Right-aligned degrees are for the fixed-width lines; the cells need no blank.
    r.position = FormatZodiac(l.moonLongitude);
    if (!r.position.empty() && r.position[0] == ' ') r.position.erase(0, 1);
    if (l.eclipse != EclipseKind::None) {
        r.eclipse = std::string(EclipseCaption(l.eclipse)) + " затмение";
        const std::string at = FormatMinute(ToMinute(l.eclipseJdUT));
        r.eclipseTime = at.substr(0, 10) == r.date ? at.substr(11) : at;
    }
    return r;
}

std::vector<std::string> LunationTableLines(const std::vector<Lunation>& table) {
    std::vector<std::string> lines;
    lines.push_back("Дата (UT)  Время Фаза        Луна             Затмение, максимум");
    for (const auto& l : table) {
        const LunationRow r = RowOf(l);
        // Degrees right-aligned, so the signs line up.
        std::string line = r.date + " " + r.time + " " + Pad(r.phase, 11) + " " +
                           Pad(FormatZodiac(l.moonLongitude), 16);
        if (!r.eclipse.empty()) line += " " + r.eclipse + ", " + r.eclipseTime;
        while (!line.empty() && line.back() == ' ') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<HelpPage> LunationPages(int fromYear, int toYear) {
    const auto table = Lunations(fromYear, toYear);
    std::map<int, std::vector<Lunation>> byYear;
    for (const auto& l : table) byYear[ToMinute(l.jdUT).year].push_back(l);
    std::vector<HelpPage> pages;
    pages.push_back({"luna.htm", IndexPage(fromYear, toYear, table)});
    for (int decade = fromYear - fromYear % 10; decade <= toYear; decade += 10)
        pages.push_back({DecadePageName(decade), DecadePage(decade, fromYear, toYear, byYear)});
    return pages;
}

void WriteLunationPages(const std::string& folder, int fromYear, int toYear) {
    std::filesystem::create_directories(folder);
    for (const auto& page : LunationPages(fromYear, toYear)) {
        std::string crlf;
        for (char c : page.html) {
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        WriteFileAtomically((std::filesystem::path(folder) / page.name).string(),
                            Utf8ToCp1251OrThrow(crlf));
    }
}

} // namespace omvera
