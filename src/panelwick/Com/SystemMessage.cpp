#include "panelwick/Com/SystemMessage.h"

#include <cstdint>

namespace Com {
namespace {

struct Row {
    uint32_t code;
    const char* text;
};

constexpr Row kRows[] = {
    {0x8000000A, "The data necessary to complete this operation is not yet available."},
    {0x8000FFFF, "Catastrophic failure"},
    {0x80004001, "Not implemented"},
    {0x80004002, "No such interface supported"},
    {0x80004003, "Invalid pointer"},
    {0x80004004, "Operation aborted"},
    {0x80004005, "Unspecified error"},
    {0x80020001, "Unknown interface."},
    {0x80020003, "Member not found."},
    {0x80020004, "Parameter not found."},
    {0x80020005, "Type mismatch."},
    {0x80020006, "Unknown name."},
    {0x80020007, "No named arguments."},
    {0x80020008, "Bad variable type."},
    {0x80020009, "Exception occurred."},
    {0x8002000A, "Out of present range."},
    {0x8002000B, "Invalid index."},
    {0x8002000C, "Unknown language."},
    {0x8002000D, "Memory is locked."},
    {0x8002000E, "Invalid number of parameters."},
    {0x8002000F, "Parameter not optional."},
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
    {0x80040151, "Could not write key to registry"},
    {0x80040154, "Class not registered"},
    {0x800401F0, "CoInitialize has not been called."},
    {0x800401F3, "Invalid class string"},
    {0x80070005, "Access is denied."},
    {0x80070006, "The handle is invalid."},
    {0x8007000E, "Not enough memory resources are available to complete this operation."},
    {0x80070057, "The parameter is incorrect."},
    {0x800706BA, "The RPC server is unavailable."},
};

}  // namespace

const char* SystemMessage(HRESULT hr) {
    for (const Row& row : kRows) {
        if (row.code == static_cast<uint32_t>(hr)) return row.text;
    }
    return nullptr;
}

}  // namespace Com
