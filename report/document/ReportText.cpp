#include "report/document/ReportText.h"

#include <variant>

namespace tarrowin {
namespace {

void appendBlock(std::string& text, const Paragraph& paragraph) { text += paragraph.text.text() + "\n"; }

void appendBlock(std::string& text, const ReportTable& table)
{
    const auto appendRow = [&text](const auto& cells, const auto& cellText) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            text += (i ? "\t" : "") + cellText(cells[i]);
        text += "\n";
    };
    if (table.ruled)
        appendRow(table.columns, [](const ReportColumn& column) { return column.heading; });
    for (const std::vector<RichText>& row : table.rows)
        appendRow(row, [](const RichText& cell) { return cell.text(); });
}

void appendBlock(std::string& text, const Formulas& formulas)
{
    for (const FormulaLine& line : formulas.lines)
        text += line.description + "：" + formulaLineText(line) + "\n";
}

}  // namespace

std::string formulaLineText(const FormulaLine& line)
{
    std::string text = line.symbol.text() + " = " + line.formula.text();
    text += " = " + line.substituted + " = " + line.result;
    if (!line.unit.empty())
        text += " " + line.unit;
    return text;
}

std::string reportText(const ReportDocument& document)
{
    std::string text = document.title + "\n";
    for (const HeaderEntry& entry : document.header)
        text += entry.label + "：" + (entry.signature && entry.value.empty() ? "________" : entry.value) + "\n";
    for (const ReportSection& section : document.sections) {
        text += "\n" + section.heading + "\n";
        for (const ReportBlock& block : section.blocks)
            std::visit([&text](const auto& each) { appendBlock(text, each); }, block);
    }
    if (!document.footerNote.empty())
        text += "\n" + document.footerNote + "\n";
    return text;
}

}  // namespace tarrowin
