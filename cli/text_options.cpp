#include "cli/text_options.h"

#include "reports/line_cipher.h"

#include <algorithm>

namespace omvera::cli {

bool WantsHelp(const Args& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
}

TextOptions ParseTextOptions(const Args& args, std::initializer_list<std::string_view> allowed) {
    TextOptions o;
    bool haveKey = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a.compare(0, 2, "--") != 0) {
            o.positional.push_back(a);
            continue;
        }
        if (std::find(allowed.begin(), allowed.end(), a) == allowed.end())
            throw UsageError("неизвестный параметр «" + a + "»");
        if (i + 1 >= args.size()) throw UsageError("у параметра " + a + " нет значения");
        const std::string& v = args[++i];
        if (a == "--key") {
            if (haveKey) throw UsageError("параметр --key задан дважды");
            o.key = CipherKeyOfFamily(v);
            if (!o.key)
                throw UsageError("--key: одно из radix, return, transit, direction, а не «" + v +
                                 "»");
            haveKey = true;
        } else if (a == "--marker") {
            if (o.marker) throw UsageError("параметр --marker задан дважды");
            if (v != "&" && v != "[") throw UsageError("--marker: «&» или «[», а не «" + v + "»");
            o.marker = v[0];
        } else if (a == "--title") {
            if (o.title) throw UsageError("параметр --title задан дважды");
            o.title = v;
        } else if (a == "--section-key") {
            o.sectionKeys.push_back(v);
        }
    }
    return o;
}

} // namespace omvera::cli
