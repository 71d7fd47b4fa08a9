#include "monkey_steps.h"

#include "app/save_commands.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "app/ui/save_print.h"

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>

#include <fstream>
#include <iterator>
#include <sstream>

namespace omvera {
namespace {

// Texts a user might type anywhere: what the fields expect, and what they do not.
const std::vector<std::string> kTexts = {"56.01",
                                         "92.45",
                                         "-0.30",
                                         "-5.30",
                                         "56.1",
                                         "9.5",
                                         "179.59",
                                         "-179.59",
                                         "90",
                                         "91",
                                         "1980",
                                         "1880",
                                         "2050",
                                         "1879",
                                         "2051",
                                         "15",
                                         "31",
                                         "1",
                                         "0",
                                         "60",
                                         "12",
                                         "23",
                                         "-1",
                                         "",
                                         " ",
                                         "abc",
                                         "1e400",
                                         "1e-400",
                                         "56,01",
                                         "-",
                                         "99999999999999999999",
                                         "Иван Петров",
                                         "  Имя  с  пробелами ",
                                         "😀",
                                         "a\nb",
                                         "М ; ",
                                         "[",
                                         "&",
                                         "0;60;90;120;180",
                                         "45",
                                         "22,5",
                                         "22.5",
                                         "01.01.2000",
                                         "31.02.2000",
                                         "15.3.1980",
                                         "\t",
                                         "..",
                                         "\\",
                                         "Ё№«»",
                                         "0x1F",
                                         "+7",
                                         "0.00",
                                         "360",
                                         "-360"};

// Names the scripted save dialog chooses, inside the run's folder "saved".
const std::vector<std::string> kSaveNames = {"text", "picture.bmp", "x.rtf",      "Карта",
                                             "a b",  "chart.png",   "report.pdf", "."};

std::string Caption(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        if (!b->text().isEmpty()) return b->text().toStdString();
    return w->objectName().toStdString();
}

std::string WindowName(QWidget* w) {
    return w->window()->objectName().toStdString();
}

} // namespace

MonkeySteps::MonkeySteps(Application& app, std::filesystem::path folder, unsigned long long seed)
    : app_(app), folder_(std::move(folder)), rng_(seed) {
    for (int n = 1; n <= 60; ++n) {
        const std::string name = "N" + std::to_string(n);
        if (app_.Form1->MenuItem(name)) menuItems_.push_back(name);
    }
    // "Сохранить как...": the real dialog (closed at once), a cancel, or a name in the run's
    // folder with any of the five filters.
    app_.Form1->RunSaveDialog = [this](SaveDialogModel& d) {
        switch (rng_() % 3) {
        case 0:
            return false;
        case 1:
            d.FileName = (folder_ / "saved" / Pick(kSaveNames)).string();
            d.FilterIndex = static_cast<int>(rng_() % 5) + 1;
            d.Folder = (folder_ / "saved").string();
            return true;
        default: {
            SaveDialogModel real = d;
            real.Folder = (folder_ / "saved").string();
            return ExecSaveDialog(app_.Form1, real); // cancelled by the dialog closer
        }
        }
    };
    // "Печать": the real dialog (closed at once), a cancel, or printed into a PDF file of the run's
    // folder.
    app_.Form1->RunPrintDialog = [this](QPrinter& p) {
        if (rng_() % 3 == 0) return ExecPrintDialog(app_.Form1, p); // cancelled by the closer
        if (Coin()) return false;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString((folder_ / "saved" / "print.pdf").string()));
        return true;
    };
}

void MonkeySteps::OpenPage(const QUrl&) {
    ++pagesOpened_;
}

std::string MonkeySteps::Pick(const std::vector<std::string>& pool) {
    return pool[rng_() % pool.size()];
}

std::string MonkeySteps::RandomText() {
    switch (rng_() % 4) {
    case 0:
        return std::to_string(static_cast<long>(rng_() % 3000) - 100);
    case 1: {
        std::ostringstream s;
        s << (static_cast<long>(rng_() % 400) - 200) << "." << (rng_() % 100);
        return s.str();
    }
    case 2:
        if (rng_() % 8 == 0) return std::string(100 + rng_() % 300, "яZ 9."[rng_() % 5]);
        [[fallthrough]];
    default:
        return Pick(kTexts);
    }
}

template <class T> std::vector<T*> MonkeySteps::Visible() {
    std::vector<T*> out;
    for (QWidget* window : app_.Windows()) {
        if (!window->isVisible()) continue;
        if (auto* self = qobject_cast<T*>(window)) out.push_back(self);
        // The toolkit's own parts (the menu bar's overflow button, ...) are left alone.
        for (T* w : window->findChildren<T*>())
            if (w->isVisible() && w->isEnabled() && !w->objectName().startsWith("qt_"))
                out.push_back(w);
    }
    return out;
}

std::string MonkeySteps::MenuStep() {
    const std::string name = Pick(menuItems_);
    QAction* a = app_.Form1->MenuItem(name);
    next_ = [this, a] {
        a->trigger();
        // "Выход" closes the main window; the monkey opens it again and goes on.
        if (!app_.Form1->isVisible()) app_.Form1->show();
    };
    return "menu " + name + " «" + a->text().toStdString() + "»";
}

std::string MonkeySteps::ButtonStep() {
    const auto buttons = Visible<QAbstractButton>();
    if (buttons.empty()) return MenuStep();
    QAbstractButton* b = buttons[rng_() % buttons.size()];
    const std::string caption = Caption(b);
    if (caption == "Удалить запись") ++deletions_;
    next_ = [b] { b->click(); };
    return "button «" + caption + "» in " + WindowName(b);
}

std::string MonkeySteps::EditStep() {
    const auto edits = Visible<QLineEdit>();
    if (edits.empty()) return MenuStep();
    QLineEdit* e = edits[rng_() % edits.size()];
    const QString text = QString::fromStdString(RandomText());
    next_ = [e, text] {
        e->setText(text);
        emit e->textEdited(e->text());
    };
    return "typing «" + text.toStdString() + "» into " + e->objectName().toStdString() + " in " +
           WindowName(e);
}

std::string MonkeySteps::ComboStep() {
    const auto combos = Visible<QComboBox>();
    if (combos.empty()) return ButtonStep();
    QComboBox* c = combos[rng_() % combos.size()];
    const int index = static_cast<int>(rng_() % (c->count() + 1)) - 1;
    next_ = [c, index] {
        c->setCurrentIndex(index);
        if (index >= 0) emit c->activated(index);
    };
    return "choosing entry " + std::to_string(index) + " of " + c->objectName().toStdString() +
           " in " + WindowName(c);
}

std::string MonkeySteps::ListStep() {
    const auto lists = Visible<QListWidget>();
    if (lists.empty()) return ButtonStep();
    QListWidget* l = lists[rng_() % lists.size()];
    const int row = static_cast<int>(rng_() % (l->count() + 1)) - 1;
    const bool twice = Coin();
    next_ = [l, row, twice] {
        l->setCurrentRow(row);
        if (twice && row >= 0) emit l->itemDoubleClicked(l->item(row));
    };
    return std::string(twice ? "double-clicking" : "choosing") + " row " + std::to_string(row) +
           " of " + l->objectName().toStdString() + " in " + WindowName(l);
}

std::string MonkeySteps::CalendarStep() {
    const auto calendars = Visible<QCalendarWidget>();
    if (calendars.empty()) return EditStep();
    QCalendarWidget* c = calendars[rng_() % calendars.size()];
    const QDate date(1870 + static_cast<int>(rng_() % 200), 1 + static_cast<int>(rng_() % 12),
                     1 + static_cast<int>(rng_() % 28));
    next_ = [c, date] {
        c->setSelectedDate(date);
        emit c->clicked(date);
    };
    return "calendar click on " + date.toString(Qt::ISODate).toStdString() + " in " + WindowName(c);
}

std::string MonkeySteps::CloseStep() {
    std::vector<QWidget*> open;
    for (QWidget* w : app_.Windows())
        if (w != app_.Form1 && w->isVisible()) open.push_back(w);
    if (open.empty()) return MenuStep();
    QWidget* w = open[rng_() % open.size()];
    next_ = [w] { w->close(); };
    return "closing " + w->objectName().toStdString();
}

std::string MonkeySteps::ResizeStep() {
    const bool tiny = rng_() % 4 == 0;
    const int w = tiny ? 1 + static_cast<int>(rng_() % 160) : 200 + static_cast<int>(rng_() % 1700);
    const int h = tiny ? 1 + static_cast<int>(rng_() % 160) : 150 + static_cast<int>(rng_() % 1000);
    next_ = [this, w, h] { app_.Form1->resize(w, h); };
    return "resizing the main window to " + std::to_string(w) + "x" + std::to_string(h);
}

std::string MonkeySteps::Choose() {
    const unsigned r = static_cast<unsigned>(rng_() % 100);
    std::string what;
    std::string kind;
    if (r < 25)
        kind = "menu", what = MenuStep();
    else if (r < 55)
        kind = "button", what = ButtonStep();
    else if (r < 75)
        kind = "edit", what = EditStep();
    else if (r < 80)
        kind = "combo", what = ComboStep();
    else if (r < 88)
        kind = "list", what = ListStep();
    else if (r < 91)
        kind = "calendar", what = CalendarStep();
    else if (r < 96)
        kind = "close", what = CloseStep();
    else
        kind = "resize", what = ResizeStep();
    ++counts_[kind];
    return what;
}

void MonkeySteps::Run() {
    auto step = std::move(next_);
    next_ = nullptr;
    if (step) step();
}

std::string MonkeySteps::Summary() const {
    std::string s;
    for (const auto& [kind, n] : counts_)
        s += (s.empty() ? "" : ", ") + kind + " " + std::to_string(n);
    return s + ", help pages " + std::to_string(pagesOpened_) + ", deletions " +
           std::to_string(deletions_);
}

DatabaseGuard::DatabaseGuard(std::filesystem::path path) : path_(std::move(path)) {
    std::ifstream in(path_, std::ios::binary);
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
} // namespace

std::string DatabaseGuard::Check(long deletionsClicked) {
    if (!std::filesystem::exists(path_)) return "Basa.TXT is gone";
    std::ifstream in(path_, std::ios::binary);
    const std::string now((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (now == bytes_) return {};
    if (!now.empty() && (now.size() < 2 || now.compare(now.size() - 2, 2, "\r\n") != 0))
        return "Basa.TXT ends inside a line (" + std::to_string(now.size()) + " bytes)";
    const auto before = Lines(bytes_), after = Lines(now);
    // The lines kept come first, in their old order; the rest of the file is appended.
    size_t kept = 0;
    for (size_t i = 0; i < before.size() && kept < after.size(); ++i)
        if (before[i] == after[kept]) ++kept;
    const long removed = static_cast<long>(before.size() - kept);
    const long asked = deletionsClicked - deletionsSeen_;
    if (removed > asked)
        return "Basa.TXT lost " + std::to_string(removed) + " of its " +
               std::to_string(before.size()) + " lines, " + std::to_string(asked) +
               " deletions asked";
    bytes_ = now;
    deletionsSeen_ = deletionsClicked;
    return {};
}

} // namespace omvera
