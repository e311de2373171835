#pragma once

#include "check/Quantities.h"
#include "check/StringerCheck.h"
#include "files/CsvWriter.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tarrowin::cli {

// The columns of a table, put together from its parts.
template <std::size_t... N>
constexpr auto joinedColumns(const std::array<std::string_view, N>&... parts)
{
    std::array<std::string_view, (N + ...)> columns{};
    auto next = columns.begin();
    ((next = std::ranges::copy(parts, next).out), ...);
    return columns;
}

// The columns of writeResultCells: each shown result, then each verdict.
inline constexpr auto resultColumns = [] {
    std::array<std::string_view, shownResults.size() + checks.size()> columns{};
    auto next = std::ranges::transform(shownResults, columns.begin(), [](Quantity q) { return resultOf(q).key; }).out;
    std::ranges::transform(checks, next, &Check::verdictKey);
    return columns;
}();

// The columns of writeRatioCells.
inline constexpr auto ratioColumns = [] {
    std::array<std::string_view, checks.size()> columns{};
    std::ranges::transform(checks, columns.begin(), &Check::ratioKey);
    return columns;
}();

// What the window shows after 计算, as both tables write it: the judged
// results and the allowable deflection (shownResults), then the verdict
// words; empty where a fault stopped the run first.
void writeResultCells(CsvWriter& out, const StringerCheck& check);

// The utilisation ratios, "-" where there is none.
void writeRatioCells(CsvWriter& out, const StringerCheck& check);

}  // namespace tarrowin::cli
