// The person database parser: every line of any Basa.TXT is loaded as a double-click loads
// it. The loaded form must respect the fields' limits, and saving it again ("Сохранить")
// must give a line that loads back into the very same form.
#include "base/errors.h"
#include "base/text_file.h"
#include "fuzz_check.h"
#include "input/chart_form.h"
#include "input/person_database.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using omvera::ChartForm;

size_t Utf8Length(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

void CheckSpin(const omvera::SpinField& f, const std::string& line) {
    const int v = f.Value();
    FUZZ_CHECK(v >= f.MinValue && v <= f.MaxValue && std::to_string(v) == f.Text,
               "spin field «" + f.Text + "» from «" + line + "»");
}

bool SameForm(const ChartForm& a, const ChartForm& b) {
    return a.Edit1 == b.Edit1 && a.Edit2 == b.Edit2 && a.Edit3 == b.Edit3 &&
           a.SpinEdit1.Text == b.SpinEdit1.Text && a.SpinEdit2.Text == b.SpinEdit2.Text &&
           a.SpinEdit3.Text == b.SpinEdit3.Text && a.SpinEdit4.Text == b.SpinEdit4.Text &&
           a.ComboBox1 == b.ComboBox1 && a.RadioButton1 == b.RadioButton1 &&
           a.RadioButton2 == b.RadioButton2;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& line : omvera::DecodeTextLines(bytes)) {
        ChartForm form;
        omvera::LoadPersonRecord(line, form);
        FUZZ_CHECK(Utf8Length(form.Edit1) <= omvera::kNameMaxLength, "name of «" + line + "»");
        FUZZ_CHECK(Utf8Length(form.Edit2) <= omvera::kCoordinateMaxLength,
                   "latitude of «" + line + "»");
        FUZZ_CHECK(Utf8Length(form.Edit3) <= omvera::kCoordinateMaxLength,
                   "longitude of «" + line + "»");
        CheckSpin(form.SpinEdit1, line);
        CheckSpin(form.SpinEdit2, line);
        CheckSpin(form.SpinEdit3, line);
        CheckSpin(form.SpinEdit4, line);
        FUZZ_CHECK(form.ComboBox1 >= -1 && form.ComboBox1 < 12, "month of «" + line + "»");
        FUZZ_CHECK(form.RadioButton1 != form.RadioButton2, "sex of «" + line + "»");

        // What was loaded can always be saved, and saving and loading again changes nothing.
        const std::string record = omvera::BuildPersonRecord(form);
        try {
            omvera::CheckPersonRecordStorable(record);
        } catch (const omvera::Error& e) {
            FUZZ_CHECK(false, std::string(e.what()) + " for «" + record + "» from «" + line + "»");
        }
        ChartForm again;
        omvera::LoadPersonRecord(record, again);
        FUZZ_CHECK(SameForm(form, again), "«" + line + "» saved as «" + record + "»");
    }
    return 0;
}
