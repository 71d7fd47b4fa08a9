#pragma once
// A small writer of one JSON value into a growing text, for output produced by the thousand:
// it appends to a string the caller reuses, writes numbers with std::to_chars (the shortest
// text that reads back as the same double) and puts the commas itself.
//
//   JsonLine j(buffer);
//   j.BeginObject();
//   j.Key("jd"); j.Number(2444314.02);
//   j.Key("names"); j.BeginArray(); j.String("Солнце"); j.EndArray();
//   j.EndObject();
#include <array>
#include <string>
#include <string_view>

namespace omvera::cli {

// Appends s as a JSON string: quotes, backslashes and control characters escaped, every
// other byte (UTF-8 included) as it is.
void AppendJsonString(std::string& out, std::string_view s);
// Appends x in the shortest form that reads back as the same double; null when x is not
// finite (JSON has no NaN or infinity).
void AppendJsonNumber(std::string& out, double x);

class JsonLine {
  public:
    explicit JsonLine(std::string& out) : out_(out) {}

    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The member name of the next value inside an object: one of the program's own names,
    // written as it is (it holds no quote, backslash or control character).
    void Key(std::string_view name);
    void String(std::string_view s);
    // A text of the program's own (a body or sign name) that needs no escaping, written
    // without looking at each byte.
    void NameString(std::string_view s);
    void Number(double x);
    void Integer(long long n);

  private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    std::string& out_;
    int depth_ = 0;
    bool afterKey_ = false;
    std::array<bool, 16> hasItem_{}; // per depth: a value was written already
};

} // namespace omvera::cli
