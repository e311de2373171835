#include "report/document/ReportBuilder.h"

#include "catalogue/SectionCatalogue.h"
#include "check/Quantities.h"
#include "check/StringerCheck.h"
#include "report/document/ReportNumbers.h"
#include "sheet/NumberText.h"
#include "survey/SectionSurvey.h"
#include "text/ProgramVersion.h"

#include <array>
#include <string>

namespace tarrowin {
namespace {

constexpr std::string_view programName = programNameAndVersion;

// A unit as the report writes it: a power at its end raised, "kN/m2" as "kN/m²".
std::string reportUnit(std::string_view unit)
{
    constexpr std::array<std::string_view, 3> raised = {"²", "³", "⁴"};
    if (unit.size() > 1 && unit.back() >= '2' && unit.back() <= '4')
        return std::string(unit.substr(0, unit.size() - 1)) + std::string(raised[unit.back() - '2']);
    return std::string(unit);
}

constexpr std::array<std::string_view, 6> basis = {
    "GB 50017-2017《钢结构设计标准》式 (6.1.1)：受弯构件的抗弯强度，截面塑性发展系数 γ_x = 1.05；"
    "式 (6.1.3)：受弯构件的抗剪强度。",
    "GB 50017-2017 表 4.4.1：钢材的设计用强度指标 f、f_v（Q235；Q355 取表中 Q345 之值；钢材厚度不大于 16 mm）；"
    "表 4.4.8：钢材的弹性模量 E = 206000 N/mm²。",
    "GB 50017-2017 附录 B 表 B.1.1：受弯构件的挠度容许值，其他梁（包括楼梯梁）为 l/250。",
    "GB 55001-2021《工程结构通用规范》：永久作用分项系数 γ_G = 1.3，可变作用分项系数 γ_Q = 1.5。",
    "计算假定：斜梁按简支梁计算，每根斜梁承担梯段一半宽度上的荷载；斜梁自重由截面每米质量算得"
    "（1 kg/m 计为 0.01 N/mm），计入恒荷载；弯矩按水平长度 L 计算，剪力取支座反力乘以 cos α，"
    "挠度按斜长 L_s 与荷载标准值计算；强度按毛截面计算。",
    "本计算书不包括斜梁的整体稳定、局部稳定与连接的验算。",
};

Paragraph note(RichText text) { return {std::move(text), ParagraphKind::Note}; }

std::vector<HeaderEntry> headerEntries(const ReportHeader& entered, const CalendarDate& today)
{
    const std::string date = entered.date.empty() ? calendarDateText(today) : entered.date;
    return {
        {"工程名称", entered.project},    {"构件", entered.member},
        {"日期", date},                   {"计算程序", std::string(programName)},
        {"设计", entered.designer, true}, {"校对", entered.checker, true},
        {"审核", entered.reviewer, true},
    };
}

ReportSection basisSection()
{
    ReportSection section{"1 设计依据", {}};
    for (std::size_t i = 0; i < basis.size(); ++i) {
        const std::string item = std::to_string(i + 1) + ". " + std::string(basis[i]);
        section.blocks.push_back(Paragraph{RichText::notation(item), ParagraphKind::Item});
    }
    return section;
}

class Builder {
public:
    Builder(const ReportRequest& request, const FieldTexts& texts, const StringerCheck& check)
        : request_(request), texts_(texts), check_(check), values_(check.outcome().values)
    {
    }

    ReportDocument document() const
    {
        ReportDocument document;
        document.title = reportTitle;
        document.header = headerEntries(request_.header, request_.today);
        document.sections = {basisSection(), inputSection(), computationSection(), checkSection(),
                             conclusionSection()};
        document.footerNote = request_.stringerFileName;
        document.creator = programName;
        return document;
    }

private:
    // The value the check read from the field's text, as a number text.
    std::string valueRead(Field field) const { return generalNumberText(parseLeadingNumber(texts_[field]).value); }

    // The inputs as typed beside the values the check read from them. Where
    // a text is not wholly one number, the remark says so, and a note under
    // the table shows the first such text with its value.
    ReportSection inputSection() const
    {
        ReportTable table{{{"项目", 0.19, ColumnAlignment::Left},
                           {"符号", 0.07, ColumnAlignment::Centre},
                           {"输入", 0.24, ColumnAlignment::Left},
                           {"计算取值", 0.18, ColumnAlignment::Left},
                           {"单位", 0.12, ColumnAlignment::Centre},
                           {"备注", 0.20, ColumnAlignment::Left}},
                          {},
                          true,
                          {}};
        std::optional<Field> firstMisread;
        const auto addNamed = [&](std::string_view name, const std::string& text) {
            table.rows.push_back({RichText::plain(std::string(name)), {}, RichText::plain(text), {}, {}, {}});
        };
        const auto addNumbers = [&](const auto& described) {
            for (const Input& input : described) {
                const std::string& text = texts_[input.field];
                std::string remark;
                if (!readsAsWritten(text)) {
                    remark = text.empty() ? "未填写，取 0" : "取开头的数";
                    if (!firstMisread && !text.empty())
                        firstMisread = input.field;
                }
                table.rows.push_back({RichText::plain(std::string(input.caption)), RichText::notation(input.symbol),
                                      RichText::plain(text), RichText::plain(valueRead(input.field)),
                                      RichText::plain(reportUnit(input.unit)), RichText::plain(std::move(remark))});
            }
        };
        addNamed("截面", texts_[Field::SectionDesignation]);
        addNumbers(sectionInputs);
        addNamed("材质", std::string(steelGrade(request_.stringer.grade).name));
        addNumbers(strengthInputs);
        addNumbers(flightInputs);

        ReportSection section{"2 已知条件", {std::move(table)}};
        if (std::optional<Paragraph> mismatch = sectionNote())
            section.blocks.push_back(*mismatch);
        if (firstMisread) {
            RichText words = RichText::plain("注：输入不是一个完整的数时，计算取其开头的数，如“");
            words.append(RichText::plain(texts_[*firstMisread]));
            words.append("”读作 " + valueRead(*firstMisread) + "。");
            section.blocks.push_back(note(std::move(words)));
        }
        return section;
    }

    // The picker's text need not name the properties in use: a typed text
    // runs no lookup.
    std::optional<Paragraph> sectionNote() const
    {
        const std::string& designation = texts_[Field::SectionDesignation];
        const Section* named = findSection(designation);
        if (!named) {
            RichText words = RichText::plain("注：截面“");
            words.append(RichText::plain(designation)).append("”不在截面目录中，计算采用上表所列的截面特性。");
            return note(std::move(words));
        }
        for (const PropertyText& property : propertyTexts(*named)) {
            if (property.text != texts_[property.field]) {
                RichText words = RichText::plain("注：上表的截面特性与截面目录中“");
                words.append(RichText::plain(designation)).append("”的不同，计算采用上表所列的数值。");
                return note(std::move(words));
            }
        }
        return std::nullopt;
    }

    std::string input(Field field) const { return operandText(valueRead(field)); }
    static std::string working(double value) { return operandText(workingValueText(value)); }
    std::string shown(Quantity quantity) const { return operandText(check_.text(quantity)); }

    static FormulaLine step(std::string_view description, std::string_view symbol, std::string_view formula,
                            std::string substituted, std::string result, std::string_view unit)
    {
        return {std::string(description), RichText::notation(symbol), RichText::notation(formula),
                std::move(substituted), std::move(result), std::string(unit), std::nullopt};
    }

    FormulaLine resultStep(std::string_view description, std::string_view symbol, std::string_view formula,
                           std::string substituted, Quantity quantity, std::string_view unit) const
    {
        const std::string text = reportedText(quantity);
        FormulaLine line = step(description, symbol, formula, std::move(substituted), text, unit);
        if (text == check_.text(quantity))
            line.shownIn = resultOf(quantity).field;
        return line;
    }

    // Each step in the order, grouping and constants of the calculation, so
    // that the formula read left to right is the computation itself.
    ReportSection computationSection() const
    {
        const StringerValues& v = values_;
        const std::string L = input(Field::HorizontalLength), H = input(Field::VerticalHeight),
                          B = input(Field::FlightWidth), gk = input(Field::DeadLoad), qk = input(Field::LiveLoad),
                          Ix = input(Field::SecondMomentOfArea), Wx = input(Field::SectionModulus),
                          tw = input(Field::WebThickness), Sx = input(Field::FirstMomentOfArea),
                          m = input(Field::SectionMass);
        const std::string a = working(v.a), g = working(v.g), q = working(v.q), w = working(v.w),
                          S = working(v.s), Ls = working(v.inclinedLength), c = working(v.cosine);
        const std::string M = shown(Quantity::BendingMoment), V = shown(Quantity::ShearForce);

        Formulas formulas;
        auto& lines = formulas.lines;
        lines.push_back(step("斜梁承担宽度", "a", "B × 0.5", B + " × 0.5", workingValueText(v.a), "mm"));
        lines.push_back(step("斜梁自重线荷载", "g", "m × 0.01", m + " × 0.01", workingValueText(v.g), "N/mm"));
        lines.push_back(step("设计线荷载", "q", "a × 1.3 × g_k / 1000 + g × 1.3 + a × 1.5 × q_k / 1000",
                             a + " × 1.3 × " + gk + " / 1000 + " + g + " × 1.3 + " + a + " × 1.5 × " + qk + " / 1000",
                             workingValueText(v.q), "N/mm"));
        lines.push_back(step("线荷载标准值", "w", "g_k × a / 1000 + g + a × q_k / 1000",
                             gk + " × " + a + " / 1000 + " + g + " + " + a + " × " + qk + " / 1000",
                             workingValueText(v.w), "N/mm"));
        lines.push_back(step("斜长的平方", "S", "L² + H²", L + "² + " + H + "²", workingValueText(v.s), "mm²"));
        lines.push_back(step("斜长", "L_s", "√S", "√" + S, workingValueText(v.inclinedLength), "mm"));
        lines.push_back(step("坡度余弦", "cos α", "L / L_s", L + " / " + Ls, workingValueText(v.cosine), ""));
        lines.push_back(resultStep("允许挠度", "[δ]", "L_s / 250", Ls + " / 250", Quantity::AllowableDeflection, "mm"));
        lines.push_back(resultStep("弯矩", "M", "q / 8 × L²", q + " / 8 × " + L + "²", Quantity::BendingMoment, "N·mm"));
        lines.push_back(resultStep("剪力", "V", "q / 2 × L × cos α", q + " / 2 × " + L + " × " + c,
                                   Quantity::ShearForce, "N"));
        lines.push_back(resultStep("正应力", "σ", "M / (γ_x × W_x)", M + " / (1.05 × " + Wx + ")",
                                   Quantity::BendingStress, "N/mm²"));
        lines.push_back(resultStep("剪应力", "τ", "V × S_x / (t_w × I_x)", V + " × " + Sx + " / (" + tw + " × " + Ix + ")",
                                   Quantity::ShearStress, "N/mm²"));
        lines.push_back(resultStep("跨中挠度", "δ", "S² × (5 × w × cos α) / (384 × E) / I_x",
                                   S + "² × (5 × " + w + " × " + c + ") / (384 × 206000) / " + Ix,
                                   Quantity::Deflection, "mm"));

        return {"3 计算过程",
                {std::move(formulas),
                 note(RichText::notation("注：中间值与 [δ] 取六位有效数字（[δ] 与 δ 相近时多取几位，使两者的大小关系与验算结论一致）；"
                                         "M、V 与 σ、τ、δ 为程序界面上的数值，σ、τ、δ 取两位小数，验算以此数值与限值比较。"))}};
    }

    // A limit the calculation computes (the allowable deflection, a hidden
    // field) is written for a reader, beside the demand it is judged against;
    // a limit the window shows keeps its text.
    std::string limitText(const Check& check) const
    {
        if (const Result* computed = resultShownIn(check.limit))
            return limitValueText(parseLeadingNumber(check_.text(computed->quantity)).value,
                                  parseLeadingNumber(check_.text(check.demand)).value);
        return texts_[check.limit];
    }

    // A result as the report writes it: the window's text, or a computed
    // limit as limitText() writes it.
    std::string reportedText(Quantity quantity) const
    {
        for (const Check& check : checks)
            if (check.limit == resultOf(quantity).field)
                return limitText(check);
        return check_.text(quantity);
    }

    // One row a check: what is checked and by which rule of GB 50017-2017,
    // the result against its limit, the utilisation and the verdict.
    ReportSection checkSection() const
    {
        ReportTable table{{{"", 0.08, ColumnAlignment::Left},
                           {"", 0.11, ColumnAlignment::Left},
                           {"", 0.53, ColumnAlignment::Left},
                           {"", 0.19, ColumnAlignment::Left},
                           {"", 0.09, ColumnAlignment::Left}},
                          {},
                          false,
                          {}};
        for (const Check& check : checks) {
            const Verdict verdict = *check_.verdict(check);
            const std::string unit = " " + reportUnit(check.demandResult().unit);
            const std::string symbol(check.demandResult().symbol);
            const std::string limit(limitSymbol(check));
            RichText comparison = RichText::notation(symbol + " = ");
            comparison.append(check_.text(check.demand) + unit + (verdict == Verdict::Satisfied ? " ≤ " : " > "));
            comparison.append(RichText::notation(limit + " = ")).append(limitText(check) + unit);
            RichText ratio = RichText::notation(symbol + " / " + limit + " = ");
            ratio.append(utilisationText(check_.utilisation(check)));
            table.rows.push_back({RichText::plain(std::string(check.caption())),
                                  RichText::plain(std::string(check.rule)), std::move(comparison),
                                  std::move(ratio), RichText::plain(std::string(verdictWord(verdict)), RunStyle::Strong)});
        }
        return {"4 截面验算", {std::move(table)}};
    }

    ReportSection conclusionSection() const
    {
        ReportTable summary{{{"验算项目", 0.20, ColumnAlignment::Left},
                             {"计算值", 0.20, ColumnAlignment::Right},
                             {"限值", 0.32, ColumnAlignment::Right},
                             {"利用率", 0.14, ColumnAlignment::Right},
                             {"结论", 0.14, ColumnAlignment::Centre}},
                            {},
                            true,
                            {}};
        for (const Check& check : checks) {
            const std::string unit = " " + reportUnit(check.demandResult().unit);
            const std::string item = std::string(check.caption()) + " " + std::string(check.demandResult().symbol);
            summary.rows.push_back({RichText::notation(item), RichText::plain(check_.text(check.demand) + unit),
                                    RichText::plain(limitText(check) + unit),
                                    RichText::plain(utilisationText(check_.utilisation(check))),
                                    RichText::plain(std::string(verdictWord(*check_.verdict(check))))});
        }
        // The window's own message, word for word.
        RichText conclusion = RichText::plain("结论：");
        conclusion.append(std::string(check_.message()->text), RunStyle::Strong);
        ReportSection section{"5 验算结论", {std::move(summary), Paragraph{std::move(conclusion)}}};
        if (!passes())
            section.blocks.push_back(Paragraph{surveyLine()});
        return section;
    }

    bool passes() const
    {
        for (const Check& check : checks)
            if (check_.verdict(check) != Verdict::Satisfied)
                return false;
        return true;
    }

    RichText surveyLine() const
    {
        const SectionSurvey survey = surveySections(texts_);
        if (const SurveyRow* lightest = survey.recommended())
            return RichText::plain("截面优选：同一梯段、荷载与材质下，满足要求的最轻截面为 "
                                   + std::string(lightest->section->designation) + "（" + lightest->massText
                                   + " kg/m）。");
        return RichText::plain("截面优选：截面目录中的 " + std::to_string(sectionCount)
                               + " 个截面在同一梯段、荷载与材质下均不满足要求。");
    }

    const ReportRequest& request_;
    const FieldTexts& texts_;
    const StringerCheck& check_;
    const StringerValues& values_;
};

}  // namespace

ReportDocument reportOpening(const ReportHeader& header, const CalendarDate& today)
{
    return {std::string(reportTitle), headerEntries(header, today), {basisSection()}, {}, std::string(programName)};
}

std::variant<ReportDocument, ArithmeticFault> buildReport(const ReportRequest& request)
{
    const FieldTexts texts = textsToCheck(request.stringer);
    const StringerCheck check(texts);
    if (check.fault())
        return *check.fault();
    return Builder(request, texts, check).document();
}

}  // namespace tarrowin
