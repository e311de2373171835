#include "report/document/RichText.h"

namespace tarrowin {
namespace {

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

}  // namespace

RichText RichText::plain(std::string text, RunStyle style)
{
    RichText rich;
    rich.append(std::move(text), style);
    return rich;
}

RichText RichText::notation(std::string_view markup)
{
    RichText rich;
    std::string normal;
    for (std::size_t i = 0; i < markup.size();) {
        if (markup[i] == '_' && i + 1 < markup.size() && isAsciiLetter(markup[i + 1])) {
            rich.append(std::move(normal));
            normal.clear();
            std::size_t end = i + 1;
            while (end < markup.size() && isAsciiLetter(markup[end]))
                ++end;
            rich.append(std::string(markup.substr(i + 1, end - i - 1)), RunStyle::Subscript);
            i = end;
        } else {
            normal += markup[i++];
        }
    }
    rich.append(std::move(normal));
    return rich;
}

RichText& RichText::append(std::string text, RunStyle style)
{
    if (text.empty())
        return *this;
    if (!runs_.empty() && runs_.back().style == style)
        runs_.back().text += text;
    else
        runs_.push_back({std::move(text), style});
    return *this;
}

RichText& RichText::append(const RichText& more)
{
    for (const TextRun& run : more.runs_)
        append(run.text, run.style);
    return *this;
}

std::string RichText::text() const
{
    std::string all;
    for (const TextRun& run : runs_)
        all += run.text;
    return all;
}

}  // namespace tarrowin
