#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarrowin {

// How a run of the report's text is set.
enum class RunStyle {
    Normal,
    Subscript,  // the x of Wx, the k of gk
    Strong,     // what decides: verdict words and the conclusion
};

struct TextRun {
    std::string text;  // UTF-8
    RunStyle style = RunStyle::Normal;

    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// A piece of the report's text as runs of one style each.
class RichText {
public:
    RichText() = default;

    // Text taken as it is, such as what the engineer typed.
    static RichText plain(std::string text, RunStyle style = RunStyle::Normal);

    // The program's own notation: "_" followed by ASCII letters sets those
    // letters as a subscript ("W_x", "γ_x", "f_v"). Only the program's fixed
    // texts are written this way, never text a user typed.
    static RichText notation(std::string_view markup);

    RichText& append(std::string text, RunStyle style = RunStyle::Normal);
    RichText& append(const RichText& more);

    const std::vector<TextRun>& runs() const { return runs_; }

    // The characters without their setting: what a reader searches for.
    std::string text() const;
    bool empty() const { return runs_.empty(); }

    friend bool operator==(const RichText&, const RichText&) = default;

private:
    std::vector<TextRun> runs_;  // never an empty run; neighbours differ in style
};

}  // namespace tarrowin
