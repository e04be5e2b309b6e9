#include "panelwick/Com/ErrorTable.h"

#include <cstdint>
#include <iterator>

namespace Com {
namespace {

struct Row {
    uint32_t code;
    const char* text;
};

constexpr Row kRows[] = {
    {0x8000000A, "The data necessary to complete this operation is not yet available."},
    {0x80004002, "No such interface supported."},
    {0x80004003, "Invalid pointer."},
    {0x80004004, "Operation aborted."},
    {0x80020001, "Unknown interface."},
    {0x80020003, "The requested member does not exist, or the call to Invoke tried to set the "
                 "value of a read-only property. "},
    {0x80020004, "Parameter not found."},
    {0x80020005, "One or more of the arguments could not be coerced."},
    {0x80020006, "Unknown name."},
    {0x80020007, "No named arguments."},
    {0x80020008, "Bad variable type."},
    {0x80020009, "The application raised an exception."},
    {0x8002000A, "Out of present range."},
    {0x8002000B, "Invalid index."},
    {0x8002000C, "Unknown language."},
    {0x8002000D, "Memory is locked."},
    {0x8002000E, "The number of elements provided to DISPPARAMS is different from the number of "
                 "arguments accepted by the method or property."},
    {0x8002000F, "A required parameter was omitted"},
    {0x80020010, "Invalid callee."},
    {0x80020011, "Does not support a collection."},
    {0x80020012, "Division by zero."},
    {0x80020013, "Buffer too small"},
    {0x80028016, "Buffer too small."},
    {0x80028017, "Field name not defined in the record."},
    {0x80028018, "Old format or invalid type library."},
    {0x80028019, "Old format or invalid type library."},
    {0x8002801C, "Error accessing the OLE registry."},
    {0x8002801D, "Library not registered."},
    {0x80028027, "Bound to unknown type."},
    {0x80028028, "Qualified name disallowed."},
    {0x80028029, "Invalid forward reference, or reference to uncompiled type."},
    {0x8002802A, "Type mismatch."},
    {0x8002802B, "Element not found."},
    {0x8002802C, "Ambiguous name."},
    {0x8002802D, "Name already exists in the library."},
    {0x8002802E, "Unknown LCID."},
    {0x8002802F, "Function not defined in specified DLL."},
    {0x800288BD, "Wrong module kind for the operation."},
    {0x800288C5, "Size may not exceed 64K."},
    {0x800288C6, "Duplicate ID in inheritance hierarchy."},
    {0x800288CF, "Incorrect inheritance depth in standard OLE hmember."},
    {0x80028CA0, "Type mismatch."},
    {0x80028CA1, "Invalid number of arguments."},
    {0x80028CA2, "I/O Error."},
    {0x80028CA3, "Error creating unique tmp file."},
    {0x80029C4A, "Error loading type library/DLL."},
    {0x80029C83, "Inconsistent property functions."},
    {0x80029C84, "Circular dependency between types/modules."},
    {0x80040151, "Could not write key to registry."},
    {0x800401F3, "The registered CLSID for the ProgID is invalid."},
    {0x80070005, "General access denied error."},
    {0x80070006, "Invalid handle."},
    {0x8007000E, "Ran out of memory."},
    {0x80070057, "One or more arguments are invalid."},
    {0x800706BA, "The RPC server is unavailable. Terminate all pending specific processes before "
                 "trying again. When using DCOM: an antivirus software or a firewall may be "
                 "producing the error."},
};

}  // namespace

const char* ErrorTableText(HRESULT hr) {
    for (const Row& row : kRows) {
        if (row.code == static_cast<uint32_t>(hr)) return row.text;
    }
    return "Unknown error";
}

size_t ErrorTableSize() { return std::size(kRows); }

}  // namespace Com
