#include "input/spin_field.h"

#include "base/numbers.h"

#include <limits>

namespace omvera {

SpinField::SpinField(int minValue, int maxValue, int initial, size_t maxLength)
    : MinValue(minValue), MaxValue(maxValue), MaxLength(maxLength) {
    SetValue(initial);
}

int SpinField::Value() const {
    auto v = ParseInteger(Text);
    if (!v || *v < std::numeric_limits<int>::min() || *v > std::numeric_limits<int>::max())
        return MinValue;
    return static_cast<int>(*v);
}

void SpinField::SetValue(long long value) {
    if (value < MinValue) value = MinValue;
    if (value > MaxValue) value = MaxValue;
    Text = std::to_string(value);
}

void SpinField::Type(const std::string& text) {
    Text = (MaxLength > 0 && text.size() > MaxLength) ? text.substr(0, MaxLength) : text;
}

} // namespace omvera
