#include "ui/model/FaultMessage.h"

#include "text/ProgramVersion.h"

namespace tarrowin {

std::string faultMessageTitle() { return std::string(programCaption); }

}  // namespace tarrowin
