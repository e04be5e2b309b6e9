#include "panelwick/Com/ErrorTable.h"

#include <cstdint>
#include <iterator>

#include "panelwick/Com/SystemMessage.h"

namespace Com {
namespace {

struct Row {
    uint32_t code;
    const char* text;
};

// The codes the program knows, with its own text where it differs from the system's.
constexpr Row kRows[] = {
    {0x8000000A, nullptr},
    {0x80004002, nullptr},
    {0x80004003, "Invalid pointer."},
    {0x80004004, nullptr},
    {0x80020001, nullptr},
    {0x80020003, "The requested member does not exist, or the call to Invoke tried to set the "
                 "value of a read-only property. "},
    {0x80020004, nullptr},
    {0x80020005, "One or more of the arguments could not be coerced."},
    {0x80020006, "Unknown name."},
    {0x80020007, nullptr},
    {0x80020008, nullptr},
    {0x80020009, "The application raised an exception."},
    {0x8002000A, nullptr},
    {0x8002000B, nullptr},
    {0x8002000C, nullptr},
    {0x8002000D, nullptr},
    {0x8002000E, "The number of elements provided to DISPPARAMS is different from the number of "
                 "arguments accepted by the method or property."},
    {0x8002000F, "A required parameter was omitted"},
    {0x80020010, nullptr},
    {0x80020011, nullptr},
    {0x80020012, nullptr},
    {0x80020013, "Buffer too small"},
    {0x80028016, "Buffer too small."},
    {0x80028017, nullptr},
    {0x80028018, "Old format or invalid type library."},
    {0x80028019, "Old format or invalid type library."},
    {0x8002801C, nullptr},
    {0x8002801D, nullptr},
    {0x80028027, nullptr},
    {0x80028028, nullptr},
    {0x80028029, nullptr},
    {0x8002802A, "Type mismatch."},
    {0x8002802B, nullptr},
    {0x8002802C, nullptr},
    {0x8002802D, nullptr},
    {0x8002802E, nullptr},
    {0x8002802F, nullptr},
    {0x800288BD, nullptr},
    {0x800288C5, nullptr},
    {0x800288C6, nullptr},
    {0x800288CF, nullptr},
    {0x80028CA0, "Type mismatch."},
    {0x80028CA1, "Invalid number of arguments."},
    {0x80028CA2, nullptr},
    {0x80028CA3, nullptr},
    {0x80029C4A, nullptr},
    {0x80029C83, nullptr},
    {0x80029C84, nullptr},
    {0x80040151, nullptr},
    {0x800401F3, "The registered CLSID for the ProgID is invalid."},
    {0x80070005, nullptr},
    {0x80070006, nullptr},
    {0x8007000E, nullptr},
    {0x80070057, "One or more arguments are invalid."},
    {0x800706BA, "The RPC server is unavailable. Terminate all pending specific processes before "
                 "trying again. When using DCOM: an antivirus software or a firewall may be "
                 "producing the error."},
};

}  // namespace

const char* ErrorTableText(HRESULT hr) {
    for (const Row& row : kRows) {
        if (row.code == static_cast<uint32_t>(hr)) {
            return row.text != nullptr ? row.text : SystemMessage(hr);
        }
    }
    return "Unknown error";
}

size_t ErrorTableSize() { return std::size(kRows); }

}  // namespace Com
