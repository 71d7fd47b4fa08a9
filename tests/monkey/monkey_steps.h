#pragma once
// The monkey's moves over the program's windows, and the watch over the person database.
#include <QObject>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace omvera {

class Application;

class MonkeySteps : public QObject {
    Q_OBJECT
  public:
    MonkeySteps(Application& app, std::filesystem::path folder, unsigned long long seed);

    // Picks the next move and says what it is ("button «Расчет» in TID2", ...); Run does it.
    std::string Choose();
    void Run();

    bool Coin() { return rng_() % 2 == 0; }
    // How often "Удалить запись" of the person database was clicked so far.
    long DeletionsClicked() const { return deletions_; }
    // How many moves of each kind were made.
    std::string Summary() const;

  public slots:
    // The desktop's handler of file addresses: the help pages are not opened.
    void OpenPage(const QUrl& url);

  private:
    std::string Pick(const std::vector<std::string>& pool);
    std::string RandomText();
    template <class T> std::vector<T*> Visible();
    std::string MenuStep();
    std::string ButtonStep();
    std::string EditStep();
    std::string ComboStep();
    std::string ListStep();
    std::string CalendarStep();
    std::string CloseStep();
    std::string ResizeStep();

    Application& app_;
    std::filesystem::path folder_;
    std::mt19937_64 rng_;
    std::function<void()> next_;
    std::vector<std::string> menuItems_;
    std::map<std::string, long> counts_;
    long deletions_ = 0;
    long pagesOpened_ = 0;
};

// Watches Dann/Basa.TXT between moves: the file may only change by whole lines appended at
// its end and by as many lines removed as deletions were asked for; every line keeps its
// end and the remaining lines their order.
class DatabaseGuard {
  public:
    explicit DatabaseGuard(std::filesystem::path path);
    // An empty text when all is well, else what went wrong.
    std::string Check(long deletionsClicked);

  private:
    std::filesystem::path path_;
    std::string bytes_;
    long deletionsSeen_ = 0;
};

} // namespace omvera
