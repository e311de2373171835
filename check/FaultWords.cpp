#include "check/FaultWords.h"

#include "check/Quantities.h"

namespace tarrowin {
namespace {

const Stage* stageOf(Quantity quantity)
{
    for (const Stage& stage : stages)
        if (stage.quantity == quantity)
            return &stage;
    return nullptr;
}

std::string during(const ArithmeticFault& fault) { return "（" + quantityActivity(fault.quantity) + "时）"; }

}  // namespace

FaultKindWords faultKindWords(FaultKind kind)
{
    switch (kind) {
    case FaultKind::DivisionByZero: return {"division-by-zero", "除数为零", "除零"};
    case FaultKind::Overflow: break;
    }
    return {"overflow", "溢出", "溢出"};
}

std::string_view faultKindName(FaultKind kind) { return faultKindWords(kind).english; }

std::string_view quantityDescription(Quantity quantity)
{
    if (const Stage* stage = stageOf(quantity))
        return stage->englishName;
    return resultOf(quantity).englishName;
}

std::string quantityActivity(Quantity quantity)
{
    if (const Stage* stage = stageOf(quantity))
        return std::string(stage->activity);
    return "计算" + std::string(resultOf(quantity).caption);
}

std::string faultDetail(const ArithmeticFault& fault)
{
    return std::string(faultKindName(fault.kind)) + ": " + std::string(quantityDescription(fault.quantity));
}

std::string faultMessageText(const ArithmeticFault& fault)
{
    return "运行时错误：" + std::string(faultKindWords(fault.kind).chinese) + during(fault)
           + "。\n计算已中止，已输入的数据均保留，请检查输入后重新计算。";
}

std::string faultSummaryInChinese(const ArithmeticFault& fault)
{
    return std::string(faultKindWords(fault.kind).chineseShort) + during(fault);
}

}  // namespace tarrowin
