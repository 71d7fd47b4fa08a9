#pragma once
// Where report output goes: a sequence of added lines (UTF-8). The GUI's text view, the
// command-line tools and the tests each provide one.
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

// Appends to a list of lines kept elsewhere (the text view RichEdit1's lines).
class AppendingLineSink : public LineSink {
  public:
    explicit AppendingLineSink(std::vector<std::string>& lines) : lines_(lines) {}
    void AddLine(const std::string& utf8) override { lines_.push_back(utf8); }

  private:
    std::vector<std::string>& lines_;
};

} // namespace omvera
