#include "tools/cli/ResultCells.h"

namespace tarrowin::cli {

void writeResultCells(CsvWriter& out, const StringerCheck& check)
{
    for (const Quantity result : shownResults)
        out.cell(check.text(result));
    for (const Check& each : checks) {
        const std::optional<Verdict> verdict = check.verdict(each);
        out.cell(verdict ? verdictWord(*verdict) : std::string_view{});
    }
}

void writeRatioCells(CsvWriter& out, const StringerCheck& check)
{
    for (const Check& each : checks)
        out.cell(utilisationText(check.utilisation(each)));
}

}  // namespace tarrowin::cli
