#include "panelwick/Mm/ErrorText.h"

namespace Mm {

std::string ErrorText(uint32_t code) {
    switch (code) {
        case 0:
            return "No error";
        case 2:
            return "MmSysError specified device identifier is out of range";
        case 3:
            return "MmSysError driver failed enable";
        case 4:
            return "MmSysError specified resource is already allocated";
        case 5:
            return "MmSysError device handle is invalid";
        case 6:
            return "MmSysError no device driver is present";
        case 7:
            return "MmSysError unable to allocate or lock memory";
        case 8:
            return "MmSysError function isn't supported";
        case 9:
            return "MmSysError error value out of range";
        case 10:
            return "MmSysError one or more flags are invalid";
        case 11:
            return "MmSysError one or more parameters are invalid";
        case 12:
            return "MmSysError handle being used";
        case 13:
            return "MmSysError specified alias not found";
        case 14:
            return "MmSysError bad registry database";
        case 15:
            return "MmSysError registry key not found";
        case 16:
            return "MmSysError registry read error";
        case 17:
            return "MmSysError registry write error";
        case 18:
            return "MmSysError registry delete error";
        case 19:
            return "MmSysError registry value not found";
        case 20:
            return "MmSysError driver does not call DriverCallback";
        case 21:
            return "MmSysError more data to be returned";
        case 32:
            return "MmSysErrorattempted to open with an unsupported waveform-audio format";
        case 1024:
            return "The audio line reference is invalid";
        case 1025:
            return "The control reference is invalid";
        default:
            return "MmSysError unspecified error";
    }
}

}  // namespace Mm
