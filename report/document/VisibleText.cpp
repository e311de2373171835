#include "report/document/VisibleText.h"

#include <variant>

namespace tarrowin {
namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at the start of `text` and its code
// point, or 0 when the sequence is bad (overlong, a surrogate, beyond
// U+10FFFF, cut short).
std::size_t decode(std::string_view text, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(byte(i)))
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool isVisible(char32_t code)
{
    return !(code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0xFFFE || code == 0xFFFF);
}

void makeVisible(std::string& text) { text = visibleText(text); }

void makeVisible(RichText& text)
{
    RichText visible;
    for (const TextRun& run : text.runs())
        visible.append(visibleText(run.text), run.style);
    text = std::move(visible);
}

void makeVisible(Paragraph& paragraph) { makeVisible(paragraph.text); }

void makeVisible(ReportTable& table)
{
    for (ReportColumn& column : table.columns)
        makeVisible(column.heading);
    for (std::vector<RichText>& row : table.rows)
        for (RichText& cell : row)
            makeVisible(cell);
}

void makeVisible(Formulas& formulas)
{
    for (FormulaLine& line : formulas.lines) {
        makeVisible(line.description);
        makeVisible(line.symbol);
        makeVisible(line.formula);
        makeVisible(line.substituted);
        makeVisible(line.result);
        makeVisible(line.unit);
    }
}

}  // namespace

std::string visibleText(std::string_view text)
{
    std::string visible;
    visible.reserve(text.size());
    while (!text.empty()) {
        char32_t code = 0;
        const std::size_t length = decode(text, code);
        if (length == 0 || !isVisible(code))
            visible += replacement;
        else
            visible += text.substr(0, length);
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return visible;
}

void makeVisible(ReportDocument& document)
{
    makeVisible(document.title);
    for (HeaderEntry& entry : document.header) {
        makeVisible(entry.label);
        makeVisible(entry.value);
    }
    for (ReportSection& section : document.sections) {
        makeVisible(section.heading);
        for (ReportBlock& block : section.blocks)
            std::visit([](auto& each) { makeVisible(each); }, block);
    }
    makeVisible(document.footerNote);
    makeVisible(document.creator);
}

}  // namespace tarrowin
