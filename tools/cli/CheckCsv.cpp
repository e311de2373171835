#include "tools/cli/CheckCsv.h"

#include "check/FaultWords.h"
#include "check/StringerCheck.h"
#include "tools/cli/NumberNotes.h"

namespace tarrowin::cli {
namespace {

void joinDetail(std::string& detail, const std::string& more)
{
    if (more.empty())
        return;
    if (!detail.empty())
        detail += "; ";
    detail += more;
}

}  // namespace

void writeCheckHeader(CsvWriter& out)
{
    for (std::string_view column : checkColumns)
        out.cell(column);
    out.endRecord();
}

Outcome writeCheckRow(CsvWriter& out, const StringerEntry& entry)
{
    const Stringer& stringer = entry.stringer;
    out.cell(entry.name);
    out.cell(stringer.texts[Field::SectionDesignation]);
    out.cell(entry.gradeText);
    for (const Input& input : flightInputs)
        out.cell(stringer.texts[input.field]);

    std::string detail;
    if (!entry.checkable()) {
        // The results, the verdicts, the message and the ratios: nothing was computed.
        for (std::size_t i = 0; i < resultColumns.size() + 1 + ratioColumns.size(); ++i)
            out.cell("");
        out.cell(outcomeWord(Outcome::Error));
        detail = "line " + std::to_string(entry.line) + ": " + entry.problem;
        joinDetail(detail, inputNotes(stringer));
        out.cell(detail);
        out.endRecord();
        return Outcome::Error;
    }

    const StringerCheck check(textsToCheck(stringer));
    writeResultCells(out, check);
    const std::optional<OverallMessage> message = check.message();
    out.cell(message ? message->text : std::string_view{});
    writeRatioCells(out, check);

    Outcome outcome = Outcome::Fault;
    if (!check.fault())
        outcome = message->text == overallMessage(true).text ? Outcome::Satisfied : Outcome::Exceeded;
    out.cell(outcomeWord(outcome));
    if (check.fault())
        detail = faultDetail(*check.fault());
    joinDetail(detail, numberNotes(stringer));
    out.cell(detail);
    out.endRecord();
    return outcome;
}

}  // namespace tarrowin::cli
