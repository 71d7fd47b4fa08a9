#pragma once
// The program's windows and its state. Creates the twelve windows in their registry order,
// runs every command at one boundary (errors shown in the standard message box, warnings
// shown once, all windows synced with their models afterwards).
#include "app/state.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace omvera {

class TForm1;
class TDOM;
class TAspUst;
class TID1;
class TID2;
class TPlanUst;
class TProsm;
class TAspq;
class TBase;
class TKalendar;
class TDat2;
class THsk;

class Application {
  public:
    // `userFolder`: the folder of the user's person database (see State::UserFolder).
    explicit Application(const std::string& programFolder,
                         std::optional<std::string> userFolder = std::nullopt);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    State& state() { return state_; }

    TForm1* Form1 = nullptr;
    TDOM* DOM = nullptr;
    TAspUst* AspUst = nullptr;
    TID1* ID1 = nullptr;
    TID2* ID2 = nullptr;
    TPlanUst* PlanUst = nullptr;
    TProsm* Prosm = nullptr;
    TAspq* Aspq = nullptr;
    TBase* Base = nullptr;
    TKalendar* Kalendar = nullptr;
    TDat2* Dat2 = nullptr;
    THsk* Hsk = nullptr;

    // All twelve windows in creation order.
    std::vector<QWidget*> Windows() const;

    // Runs one command handler: an exception ends the command and its message is shown;
    // whatever the command wrote or drew stays. Afterwards the state's warnings are shown
    // and every window re-reads its model.
    void RunCommand(QWidget* parent, const std::function<void()>& handler);
    void SyncAll();

    // How errors and warnings reach the user (a message box; tests collect them instead).
    std::function<void(QWidget*, const QString&)> ShowError;
    std::function<void(QWidget*, const QString&)> ShowWarning;

  private:
    State state_;
    std::vector<std::unique_ptr<QWidget>> owned_;
    bool inCommand_ = false;
};

} // namespace omvera
