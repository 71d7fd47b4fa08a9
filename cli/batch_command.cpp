// omvera-cli batch: charts by the thousand from a file or standard input, one JSON line each.
#include "base/data_path.h"
#include "base/errors.h"
#include "cli/batch_charts.h"
#include "cli/chart_options.h"
#include "cli/commands.h"

#include <fstream>
#include <iostream>
#include <ostream>

namespace omvera::cli {
namespace {

const char* const kHelp =
    "Использование: omvera-cli batch [ФАЙЛ|-] [--format jsonl|csv] [--threads N]\n"
    "                                [--folder ПАПКА]\n"
    "\n"
    "Рассчитывает карту для каждой записи ФАЙЛА (без ФАЙЛА или с - читается стандартный\n"
    "ввод) и печатает по строке JSON на запись, в порядке ввода.\n"
    "\n"
    "Поля записи называются как параметры карты, без дефисов: date (Д.М.ГГГГ), time (Ч:М,\n"
    "по Гринвичу), lat, lon (как в окне ввода), по желанию houses (P, K, A, M, S, L), name,\n"
    "sex (M или F) и report (natal, child или waiting).\n"
    "  jsonl  по объекту JSON в строке, значения — строки или числа:\n"
    "         {\"date\": \"15.3.1980\", \"time\": \"12:30\", \"lat\": \"56.01\", \"lon\": "
    "\"92.45\"}\n"
    "  csv    строка заголовка с именами столбцов, затем по строке на карту; поле можно\n"
    "         взять в кавычки \" (\"\" внутри кавычек — одна кавычка); пустое поле\n"
    "         не учитывается\n"
    "\n"
    "  --format F       jsonl (по умолчанию) или csv\n"
    "  --threads N      считать в N потоков, 1..64 (по умолчанию 1); порядок вывода\n"
    "                   сохраняется\n"
    "  --folder ПАПКА   папка программы с Dann, для отчётов (по умолчанию текущая)\n"
    "  --help           показать эту справку\n"
    "\n"
    "Каждая строка: {\"line\": N, \"name\", \"jd\", \"house_system\", \"bodies\": [{\"name\", "
    "\"lon\",\n"
    "\"sign\", \"degree\"} x16], \"cusps\": [{\"house\", \"lon\", \"sign\", \"degree\"} x12],\n"
    "\"aspects\": [{\"p1\", \"p2\", \"angle\", \"orb\"}] (линии аспектов натальной карты при\n"
    "настройках, с которыми программа запускается), \"warnings\", если есть предупреждения,\n"
    "\"report\": [строки] по запросу}. N — строка ввода, с которой начинается запись.\n"
    "Долготы, градусы, углы и орбисы даны в градусах, верно округлёнными до 9 знаков\n"
    "после точки (1e-9 градуса), без конечных нулей; jd точен (кратчайшая запись, которая\n"
    "читается тем же числом); знак берётся по неокруглённой долготе. Запись, которую нельзя\n"
    "рассчитать, даёт {\"line\": N, \"error\": \"...\"}, и расчёт продолжается; код выхода\n"
    "тогда 1.\n";

int BatchCommand(const Args& args, std::ostream& out, std::ostream&) {
    BatchOptions options;
    options.programFolder = CurrentFolder();
    std::string file;
    bool fileGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out << kHelp;
            return 0;
        }
        if (a == "--format" || a == "--threads" || a == "--folder") {
            if (i + 1 >= args.size()) throw UsageError("batch: у параметра " + a + " нет значения");
            const std::string& v = args[++i];
            if (a == "--format") {
                if (v == "jsonl")
                    options.format = BatchFormat::JsonLines;
                else if (v == "csv")
                    options.format = BatchFormat::Csv;
                else
                    throw UsageError("batch: неизвестный формат «" + v + "» (jsonl или csv)");
            } else if (a == "--threads") {
                options.threads = ParseNumberOption(v, 1, 64, "batch", "--threads");
            } else {
                options.programFolder = v;
            }
            continue;
        }
        if (a.size() > 1 && a[0] == '-')
            throw UsageError("batch: неизвестный параметр «" + a +
                             "» (см. omvera-cli batch --help)");
        if (fileGiven) throw UsageError("batch: задано больше одного файла");
        file = a;
        fileGiven = true;
    }
    BatchTotals totals;
    if (!fileGiven || file == "-") {
        std::ios::sync_with_stdio(false);
        totals = RunBatch(std::cin, out, options);
    } else {
        std::ifstream in(file, std::ios::binary);
        if (!in) throw Error("не удаётся открыть файл «" + file + "»");
        totals = RunBatch(in, out, options);
    }
    return totals.failed == 0 ? 0 : 1;
}

const CommandRegistration
    kBatch("batch", "много карт из JSON Lines или CSV, по строке JSON на карту", BatchCommand);

} // namespace
} // namespace omvera::cli
