#include "app/aspect_table.h"

#include "app/state.h"
#include "base/errors.h"
#include "base/numbers.h"

#include <algorithm>

namespace omvera {

void ReadAspectColours(State& state) {
    for (int k = 0; k < kAspectCapacity; ++k) state.AspectColours[k] = state.AspUst.Swatch[k];
}

void ReadAspectTable(State& state, int& count, std::array<double, kAspectCapacity>& angles) {
    auto& list = state.AspUst;
    count = static_cast<int>(std::min<size_t>(list.ListBox1.size(), kAspectCapacity));
    ReadAspectColours(state);
    for (int k = 0; k < count; ++k) {
        list.ListBox1Index = k;
        const std::string& text = list.ListBox1[k];
        const auto value = ParseReal(text, state.DecimalSeparator);
        if (!value) throw Error("'" + text + "' is not a valid floating point value");
        angles[k] = *value;
    }
}

std::string AspUstButton1Click(State& state) {
    auto& list = state.AspUst;
    const std::string text = list.Edit11;
    if (text.empty()) return {};
    if (!ParseReal(text, state.DecimalSeparator)) {
        const std::string example = state.DecimalSeparator == '.' ? "22.5" : "22,5";
        throw Error("Угол аспекта \"" + text + "\" не является числом. Введите угол в градусах, " +
                    "например 45 или " + example + ".");
    }
    list.ListBox1.push_back(text);
    if (list.ListBox1.size() > static_cast<size_t>(kAspectCapacity))
        return "В расчетах участвуют только первые десять аспектов; строка \"" + text +
               "\" учитываться не будет.";
    return {};
}

void AspUstButton2Click(State& state) {
    auto& list = state.AspUst;
    const int i = list.ListBox1Index;
    if (i < 0 || i >= static_cast<int>(list.ListBox1.size())) return;
    list.ListBox1.erase(list.ListBox1.begin() + i);
    list.ListBox1Index = -1;
}

} // namespace omvera
