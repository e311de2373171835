#include "ui/model/FaultMessage.h"

namespace tarrowin {

std::string faultMessageTitle() { return "TarrowinV1.0"; }

}  // namespace tarrowin
