#include "report/document/ReportDocument.h"

namespace tarrowin {

std::string pageNumberText(int page, int pageCount)
{
    return "第 " + std::to_string(page) + " 页 共 " + std::to_string(pageCount) + " 页";
}

}  // namespace tarrowin
