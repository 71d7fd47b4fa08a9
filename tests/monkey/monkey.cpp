// A monkey test of the real program: the twelve windows over a copy of the data folder, and
// a long random sequence of what a user can do to them - menu items, buttons, radio buttons
// and check boxes, typing into fields, list choices and double-clicks, calendar clicks,
// closing windows, resizing the main window, the save and print dialogs. Every modal dialog
// and message box is closed as soon as it opens. The run is reproducible from its seed.
//
//   omvera_monkey [--seed N] [--actions N] [--action-timeout SECONDS] [--data DIR] [--verbose]
//   (or OMVERA_MONKEY_SEED, OMVERA_MONKEY_ACTIONS)
//
// It fails (exit status 1, with the seed and the action's number) when an action takes
// longer than the timeout, when the person database Dann/Basa.TXT loses what no deletion
// asked for (a truncated file, a lost or altered line, a line without its end), or when
// the program crashes (the sanitizers' report then follows the seed and action line).
#include "app/save_commands.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "monkey_steps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QPrinter>
#include <QTimer>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace fs = std::filesystem;
using namespace omvera;

namespace {

// What the crash and hang reports name; written by the main thread, read by the watchdog
// and the signal handlers.
std::atomic<unsigned long long> g_seed{0};
std::atomic<long> g_action{-1};
std::atomic<long long> g_actionStartMs{0};
char g_actionText[512] = "";

long long NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void PrintWhere(const char* what) {
    char line[700];
    const int n = std::snprintf(line, sizeof line, "\nmonkey: %s at action %ld (%s), seed %llu\n",
                                what, g_action.load(), g_actionText, g_seed.load());
    if (n > 0) [[maybe_unused]]
        auto w = ::write(2, line, static_cast<size_t>(n));
}

void OnFatalSignal(int sig) {
    PrintWhere(sig == SIGABRT ? "abort" : "crash");
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

// Ends the process when one action runs longer than the limit.
void Watchdog(long long limitMs) {
    while (true) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const long long start = g_actionStartMs.load();
        if (start != 0 && NowMs() - start > limitMs) {
            PrintWhere("an action did not end in time");
            std::_Exit(1);
        }
    }
}

unsigned long long Number(const char* text, const char* what) {
    char* end = nullptr;
    const unsigned long long v = std::strtoull(text, &end, 10);
    if (!*text || *end) {
        std::fprintf(stderr, "monkey: %s must be a whole number, not '%s'\n", what, text);
        std::exit(2);
    }
    return v;
}

// The offscreen platform's notes on what it cannot do (raise a window, grab the keyboard)
// would drown the report.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtDebugMsg || text.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    unsigned long long seed = std::random_device()();
    long actions = 1000;
    long long timeoutMs = 60000;
    std::string data = std::string(OMVERA_BUILD_DIR) + "/Dann";
    bool verbose = false;
    if (const char* s = std::getenv("OMVERA_MONKEY_SEED")) seed = Number(s, "the seed");
    if (const char* s = std::getenv("OMVERA_MONKEY_ACTIONS"))
        actions = static_cast<long>(Number(s, "the action count"));
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : "";
        if (a == "--seed")
            seed = Number(next, "the seed"), ++i;
        else if (a == "--actions")
            actions = static_cast<long>(Number(next, "the action count")), ++i;
        else if (a == "--action-timeout")
            timeoutMs = static_cast<long long>(Number(next, "the timeout")) * 1000, ++i;
        else if (a == "--data")
            data = next, ++i;
        else if (a == "--verbose")
            verbose = true;
        else {
            std::fprintf(stderr,
                         "usage: %s [--seed N] [--actions N] [--action-timeout SECONDS] "
                         "[--data DIR] [--verbose]\n",
                         argv[0]);
            return 2;
        }
    }
    g_seed = seed;
    std::printf("monkey: seed %llu, %ld actions\n", seed, actions);
    std::fflush(stdout);
    for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) std::signal(sig, OnFatalSignal);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback([] { PrintWhere("sanitizer report"); });
#endif

    // The program folder: a copy of the data folder in a folder of this run, which is also
    // the current folder (where the file dialogs open).
    const fs::path folder =
        fs::temp_directory_path() /
        ("omvera-monkey-" + std::to_string(::getpid()) + "-" + std::to_string(seed));
    fs::remove_all(folder);
    fs::create_directories(folder / "saved");
    fs::copy(data, folder / "Dann", fs::copy_options::recursive);
    fs::current_path(folder);

    qInstallMessageHandler(QuietMessages);
    QApplication qt(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int exitStatus = 0;
    {
        Application app(folder.string());
        MonkeySteps steps(app, folder, seed);
        // The help pages would open a web browser: the page is only noted.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &steps, "OpenPage");

        // Closes whatever popup, modal dialog or message box is open; a colour choice is sometimes
        // accepted. The file and print dialogs are always cancelled, so nothing is written
        // outside the run's folder.
        QTimer closer;
        closer.setInterval(5);
        long dialogsClosed = 0;
        QObject::connect(&closer, &QTimer::timeout, [&steps, &dialogsClosed] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            if (QWidget* w = QApplication::activeModalWidget())
                if (auto* d = qobject_cast<QDialog*>(w)) {
                    ++dialogsClosed;
                    if (qobject_cast<QColorDialog*>(d) && steps.Coin())
                        d->accept();
                    else
                        d->reject();
                }
        });
        closer.start();

        app.Form1->show();
        app.RunCommand(app.Form1, [] {});
        std::thread(Watchdog, timeoutMs).detach();

        DatabaseGuard guard(folder / "Dann" / "Basa.TXT");
        long done = 0;
        for (long i = 0; i < actions; ++i, done = i) {
            const std::string what = steps.Choose();
            std::snprintf(g_actionText, sizeof g_actionText, "%s", what.c_str());
            g_action = i;
            if (verbose) std::printf("%ld %s\n", i, what.c_str());
            g_actionStartMs = NowMs();
            steps.Run();
            QApplication::processEvents();
            g_actionStartMs = 0;
            const std::string problem = guard.Check(steps.DeletionsClicked());
            if (!problem.empty()) {
                PrintWhere(problem.c_str());
                exitStatus = 1;
                break;
            }
        }
        g_action = -1;
        std::snprintf(g_actionText, sizeof g_actionText, "shutting down");
        g_actionStartMs = NowMs();
        std::printf("monkey: %s after %ld actions (%s, dialogs and message boxes closed %ld)\n",
                    exitStatus ? "FAILED" : "passed", done, steps.Summary().c_str(), dialogsClosed);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }
    g_actionStartMs = 0;
    fs::current_path(fs::temp_directory_path());
    if (exitStatus == 0) fs::remove_all(folder);
    return exitStatus;
}
