#pragma once
// What many core tests need: a folder of their own and a way to run the command-line
// companion and collect what it printed.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace omvera_test {

// A fresh folder in the temporary folder, named after `prefix`, the process and the running
// test (ctest runs cases side by side), removed with everything in it when the test ends.
class TestFolder {
  public:
    explicit TestFolder(const std::string& prefix) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                (prefix + "-" + std::to_string(::getpid()) + "-" + (info ? info->name() : "x"));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// Raw bytes into a file, replacing it.
inline void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct RunResult {
    int status = -1; // the exit status, or -1 when the process did not exit normally
    std::string out, err;
};

// Runs a shell command line and returns its exit status, standard output and standard error.
inline RunResult RunCommand(const std::string& commandLine) {
    static int serial = 0;
    const std::filesystem::path errFile =
        std::filesystem::temp_directory_path() /
        ("omvera-stderr-" + std::to_string(::getpid()) + "-" + std::to_string(++serial) + ".txt");
    const std::string command = commandLine + " 2>'" + errFile.string() + "'";
    RunResult r;
    FILE* p = popen(command.c_str(), "r");
    if (!p) {
        r.err = "popen failed";
        return r;
    }
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.err = ReadBytes(errFile);
    std::error_code ignored;
    std::filesystem::remove(errFile, ignored);
    return r;
}

// omvera-cli of this build with the arguments (a shell command line).
inline RunResult RunCli(const std::string& arguments) {
    return RunCommand(std::string("'" OMVERA_BUILD_DIR "/omvera-cli' ") + arguments);
}

} // namespace omvera_test
