// Section search over a 1 MB enciphered text with 300 section keys: the transit report's
// case (three-string keys, deciphering every line) and the bracket search of the synastry
// reports (single-string keys, plain file).
#include "base/text_file.h"
#include "reports/line_cipher.h"
#include "reports/section_search.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace omvera;

namespace {

struct CountingSink : LineSink {
    void AddLine(const std::string& utf8) override { bytes += utf8.size() + 1; }
    std::size_t bytes = 0;
};

// Two-digit code of a body, "01" to "16".
std::string Code(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

const int kAspects[] = {0, 30, 45, 60, 72, 90, 120, 135, 144, 150, 180};

std::string Aspect(int k) {
    char buf[8];
    std::snprintf(buf, sizeof buf, ".%d.", kAspects[k]);
    return buf;
}

std::string Header(int a, int k, int b) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "[%02d.%d.%02d]", a, kAspects[k], b);
    return buf;
}

// Writes a text of at least 1 MB: sections with headers "[aa.kkk.bb]" and four body lines,
// then the closing line. Returns the file's path.
std::string WriteText(const char* name, const char* key) {
    const auto dir = std::filesystem::temp_directory_path() / "omvera_text_bench";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / name).string();
    const std::string body =
        "Транзитная планета напряженно затрагивает точку радикса; период перемен.";
    std::string bytes;
    for (int n = 0; bytes.size() < (1u << 20); ++n) {
        const int a = n % 16 + 1, k = (n / 16) % 11, b = (n / 176) % 16 + 1;
        std::string header = Header(a, k, b);
        header += " заголовок";
        const std::vector<std::string> lines = {header, body, body, body, body};
        for (auto& l : lines) {
            const std::string plain = Utf8ToCp1251OrThrow(l);
            bytes += key ? EncodeLine(plain, key) : plain;
            bytes += "\r\n";
        }
    }
    bytes += key ? EncodeLine("[", key) : "[";
    bytes += "\r\n";
    WriteFileAtomically(path, bytes);
    return path;
}

void BM_PrintSectionsEnciphered300Keys(benchmark::State& state) {
    static const std::string path = WriteText("transit.txt", TransitKey);
    std::vector<SectionKey> keys;
    for (int i = 0; i < 300; ++i) {
        const int a = i % 16 + 1, k = (i * 7) % 11, b = (i * 5) % 16 + 1;
        std::string first = "[", second = Code(b);
        first += Code(a);
        second += "]";
        keys.push_back({first, Aspect(k), second});
    }
    std::size_t out = 0;
    for (auto _ : state) {
        CountingSink sink;
        PrintSections(sink, path, StoredForm::Enciphered, TransitKey, '[', TitleMode::BlankTitle,
                      keys);
        out = sink.bytes;
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(path));
    state.counters["printed_bytes"] = static_cast<double>(out);
}
BENCHMARK(BM_PrintSectionsEnciphered300Keys)->Unit(benchmark::kMillisecond);

void BM_PrintBracketSections300Keys(benchmark::State& state) {
    static const std::string path = WriteText("sinasp.txt", nullptr);
    std::vector<std::string> keys;
    for (int i = 0; i < 300; ++i)
        keys.push_back(Header(i % 16 + 1, (i * 7) % 11, (i * 5) % 16 + 1));
    std::size_t out = 0;
    for (auto _ : state) {
        CountingSink sink;
        PrintBracketSections(sink, path, keys);
        out = sink.bytes;
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(path));
    state.counters["printed_bytes"] = static_cast<double>(out);
}
BENCHMARK(BM_PrintBracketSections300Keys)->Unit(benchmark::kMillisecond);

} // namespace
