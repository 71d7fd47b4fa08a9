#pragma once
// An integer spin field: the text is the storage. Writing a value clamps it into the range;
// reading a text that is not an integer gives the lower bound; reading does not clamp a
// typed value.
#include <string>

namespace omvera {

struct SpinField {
    int MinValue = 0;
    int MaxValue = 0;
    size_t MaxLength = 0; // 0: no limit on the typed text
    std::string Text;

    SpinField() = default;
    SpinField(int minValue, int maxValue, int initial, size_t maxLength = 0);

    int Value() const;
    void SetValue(long long value);
    // What typing into the field does: the text is kept as typed, cut to MaxLength.
    void Type(const std::string& text);
};

} // namespace omvera
