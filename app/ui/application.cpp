#include "app/ui/application.h"

#include "app/ui/main_window.h"
#include "aspects/ui/aspect_grid_window.h"
#include "aspects/ui/aspect_settings_window.h"
#include "astro/ui/directions_window.h"
#include "base/errors.h"
#include "calendars/ui/calendar_window.h"
#include "drawing/ui/chart_view_window.h"
#include "input/ui/first_chart_window.h"
#include "input/ui/house_system_window.h"
#include "input/ui/person_database_window.h"
#include "input/ui/planet_settings_window.h"
#include "input/ui/scan_step_window.h"
#include "input/ui/second_chart_window.h"

#include <QMessageBox>

namespace omvera {

Application::Application(const std::string& programFolder, std::optional<std::string> userFolder) {
    state_.ProgramFolder = programFolder;
    state_.UserFolder = std::move(userFolder);
    ShowError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, QStringLiteral("Ошибка"), message);
    };
    ShowWarning = [](QWidget* parent, const QString& message) {
        QMessageBox::warning(parent, QStringLiteral("Омвера"), message);
    };
    // Creation order of the window registry.
    auto keep = [this](auto* w) {
        owned_.emplace_back(w);
        return w;
    };
    Form1 = keep(new TForm1(*this));
    DOM = keep(new TDOM(*this));
    AspUst = keep(new TAspUst(*this));
    ID1 = keep(new TID1(*this));
    ID2 = keep(new TID2(*this));
    PlanUst = keep(new TPlanUst(*this));
    Prosm = keep(new TProsm(*this));
    Aspq = keep(new TAspq(*this));
    Base = keep(new TBase(*this));
    Kalendar = keep(new TKalendar(*this));
    Dat2 = keep(new TDat2(*this));
    Hsk = keep(new THsk(*this));
    Form1->FormCreate();
}

Application::~Application() {
    // The secondary windows go first; the main window last.
    while (owned_.size() > 1) owned_.pop_back();
    owned_.clear();
}

std::vector<QWidget*> Application::Windows() const {
    std::vector<QWidget*> out;
    for (const auto& w : owned_) out.push_back(w.get());
    return out;
}

void Application::RunCommand(QWidget* parent, const std::function<void()>& handler) {
    // A command runs to its end before the next; a nested call (a handler triggering
    // another) runs inside the outer command's boundary.
    if (inCommand_) {
        handler();
        return;
    }
    inCommand_ = true;
    QString error;
    try {
        handler();
    } catch (const std::exception& e) {
        error = QString::fromUtf8(e.what());
    }
    inCommand_ = false;
    SyncAll();
    if (!error.isEmpty()) ShowError(parent, error);
    if (!state_.Warnings.empty()) {
        QStringList lines;
        for (const auto& w : state_.Warnings) lines << QString::fromUtf8(w);
        lines.removeDuplicates();
        state_.Warnings.clear();
        ShowWarning(parent, lines.join('\n'));
    }
}

void Application::SyncAll() {
    Form1->SyncFromModel();
    for (QWidget* w : Windows())
        if (auto* f = dynamic_cast<FormWindow*>(w)) f->SyncFromModel();
}

} // namespace omvera
