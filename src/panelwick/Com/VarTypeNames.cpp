#include "panelwick/Com/VarTypeNames.h"

#include <array>

namespace Com {
namespace {

constexpr std::array<const char*, 39> kNames = {
    "VT_EMPTY", "VT_NULL", "VT_I2", "VT_I4", "VT_R4", "VT_R8", "VT_CY", "VT_DATE",
    "VT_BSTR", "VT_DISPATCH", "VT_ERROR", "VT_BOOL", "VT_VARIANT", "VT_UNKNOWN", "VT_DECIMAL",
    nullptr, "VT_I1", "VT_UI1", "VT_UI2", "VT_UI4", "VT_I8", "VT_UI8", "VT_INT", "VT_UINT",
    "VT_VOID", "VT_HRESULT", "VT_PTR", "VT_SAFEARRAY", "VT_CARRAY", "VT_USERDEFINED",
    "VT_LPSTR", "VT_LPWSTR", nullptr, nullptr, nullptr, nullptr, "VT_RECORD", "VT_INT_PTR",
    "VT_UINT_PTR"};

std::string BaseName(VarType base) {
    if (base < kNames.size() && kNames[base] != nullptr) return kNames[base];
    switch (base) {
        case 64: return "VT_FILETIME";
        case 65: return "VT_BLOB";
        case 66: return "VT_STREAM";
        case 67: return "VT_STORAGE";
        case 68: return "VT_STREAMED_OBJECT";
        case 69: return "VT_STORED_OBJECT";
        case 70: return "VT_BLOB_OBJECT";
        case 71: return "VT_CF";
        case 72: return "VT_CLSID";
        case 73: return "VT_VERSIONED_STREAM";
        case 0xFFF: return "VT_BSTR_BLOB";
    }
    return "VT_" + std::to_string(base);
}

}  // namespace

std::string VarTypeName(VarType type) {
    std::string name;
    if (type & VT_BYREF) name += "VT_BYREF|";
    if (type & VT_ARRAY) name += "VT_ARRAY|";
    if (type & VT_VECTOR) name += "VT_VECTOR|";
    if (type & 0x8000) name += "VT_RESERVED|";
    return name + BaseName(type & VT_TYPEMASK);
}

}  // namespace Com
