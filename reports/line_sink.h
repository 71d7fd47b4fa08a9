#pragma once
// Where report output goes: a sequence of added lines (UTF-8). The GUI's text view
// (RichEdit1Sink, app/main_window_model.h), the command-line tools and the tests each provide
// one.
#include <string>
#include <vector>

namespace omvera {

struct LineSink {
    virtual ~LineSink() = default;
    virtual void AddLine(const std::string& utf8) = 0;
};

// Keeps the lines in a vector of its own.
class VectorLineSink : public LineSink {
  public:
    void AddLine(const std::string& utf8) override { lines.push_back(utf8); }
    std::vector<std::string> lines;
};

} // namespace omvera
