#include "ui/model/FaultMessage.h"

#include "check/Checks.h"
#include "text/ProgramVersion.h"

#include <string_view>

namespace tarrowin {
namespace {

std::string_view kindInChinese(FaultKind kind)
{
    return kind == FaultKind::DivisionByZero ? "除数为零" : "溢出";
}

std::string_view shortKindInChinese(FaultKind kind)
{
    return kind == FaultKind::DivisionByZero ? "除零" : "溢出";
}

std::string quantityInChinese(Quantity quantity)
{
    if (const Check* check = checkOf(quantity))
        return "计算" + std::string(check->chineseName);
    switch (quantity) {
    case Quantity::InputGeometry: return "读取梯段尺寸";
    case Quantity::InputLoads: return "读取荷载与截面参数";
    case Quantity::DesignLineLoad: return "计算设计线荷载";
    case Quantity::Slope: return "计算斜长与坡度";
    case Quantity::AllowableDeflection: return "计算允许挠度";
    case Quantity::BendingMoment: return "计算弯矩M";
    case Quantity::ShearForce: return "计算剪力V";
    default: break;
    }
    return "计算";
}

}  // namespace

std::string faultMessageText(const ArithmeticFault& fault)
{
    std::string text = "运行时错误：";
    text += kindInChinese(fault.kind);
    text += "（";
    text += quantityInChinese(fault.quantity);
    text += "时）。\n计算已中止，已输入的数据均保留，请检查输入后重新计算。";
    return text;
}

std::string faultSummaryInChinese(const ArithmeticFault& fault)
{
    std::string text(shortKindInChinese(fault.kind));
    text += "（";
    text += quantityInChinese(fault.quantity);
    text += "时）";
    return text;
}

std::string faultMessageTitle() { return std::string(programCaption); }

}  // namespace tarrowin
