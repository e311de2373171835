#include "tools/cli/FaultDetail.h"

namespace tarrowin::cli {

std::string faultDetail(const ArithmeticFault& fault)
{
    return std::string(faultKindName(fault.kind)) + ": " + std::string(quantityDescription(fault.quantity));
}

}  // namespace tarrowin::cli
