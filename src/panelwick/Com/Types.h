#pragma once

#include <array>
#include <cstdint>

// The vocabulary of the automation layer: result codes, member identifiers, invoke kinds and
// value types, with the numbers automation clients and servers agree on.
namespace Com {

using HRESULT = int32_t;
using DispId = int32_t;
using VarType = uint16_t;
// A class identifier: 16 bytes, all zero when unknown.
using Clsid = std::array<uint8_t, 16>;

constexpr bool Succeeded(HRESULT hr) { return hr >= 0; }
constexpr bool Failed(HRESULT hr) { return hr < 0; }
constexpr HRESULT Code(uint32_t value) { return static_cast<HRESULT>(value); }

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_PENDING = Code(0x8000000A);
inline constexpr HRESULT E_NOTIMPL = Code(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = Code(0x80004002);
inline constexpr HRESULT E_POINTER = Code(0x80004003);
inline constexpr HRESULT E_ABORT = Code(0x80004004);
inline constexpr HRESULT E_FAIL = Code(0x80004005);
inline constexpr HRESULT E_UNEXPECTED = Code(0x8000FFFF);
inline constexpr HRESULT E_ACCESSDENIED = Code(0x80070005);
inline constexpr HRESULT E_HANDLE = Code(0x80070006);
inline constexpr HRESULT E_OUTOFMEMORY = Code(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = Code(0x80070057);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = Code(0x80020003);
inline constexpr HRESULT DISP_E_PARAMNOTFOUND = Code(0x80020004);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = Code(0x80020005);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = Code(0x80020006);
inline constexpr HRESULT DISP_E_NONAMEDARGS = Code(0x80020007);
inline constexpr HRESULT DISP_E_BADVARTYPE = Code(0x80020008);
inline constexpr HRESULT DISP_E_EXCEPTION = Code(0x80020009);
inline constexpr HRESULT DISP_E_OVERFLOW = Code(0x8002000A);
inline constexpr HRESULT DISP_E_BADINDEX = Code(0x8002000B);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = Code(0x8002000E);
inline constexpr HRESULT DISP_E_PARAMNOTOPTIONAL = Code(0x8002000F);
inline constexpr HRESULT TYPE_E_ELEMENTNOTFOUND = Code(0x8002802B);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = Code(0x80040154);
inline constexpr HRESULT CO_E_NOTINITIALIZED = Code(0x800401F0);
inline constexpr HRESULT CO_E_CLASSSTRING = Code(0x800401F3);
inline constexpr HRESULT RPC_S_SERVER_UNAVAILABLE = Code(0x800706BA);

// How a member is invoked; the values are bit flags.
using InvokeKind = uint16_t;
inline constexpr InvokeKind DISPATCH_METHOD = 1;
inline constexpr InvokeKind DISPATCH_PROPERTYGET = 2;
inline constexpr InvokeKind DISPATCH_PROPERTYPUT = 4;
inline constexpr InvokeKind DISPATCH_PROPERTYPUTREF = 8;

// The named argument that carries the value of a property put.
inline constexpr DispId DISPID_PROPERTYPUT = -3;
inline constexpr DispId DISPID_UNKNOWN = -1;
// The locale every call passes: the user default.
inline constexpr uint32_t LOCALE_USER_DEFAULT = 0x400;

inline constexpr VarType VT_EMPTY = 0;
inline constexpr VarType VT_NULL = 1;
inline constexpr VarType VT_I2 = 2;
inline constexpr VarType VT_I4 = 3;
inline constexpr VarType VT_R4 = 4;
inline constexpr VarType VT_R8 = 5;
inline constexpr VarType VT_CY = 6;
inline constexpr VarType VT_DATE = 7;
inline constexpr VarType VT_BSTR = 8;
inline constexpr VarType VT_DISPATCH = 9;
inline constexpr VarType VT_ERROR = 10;
inline constexpr VarType VT_BOOL = 11;
inline constexpr VarType VT_VARIANT = 12;
inline constexpr VarType VT_UNKNOWN = 13;
inline constexpr VarType VT_DECIMAL = 14;
inline constexpr VarType VT_I1 = 16;
inline constexpr VarType VT_UI1 = 17;
inline constexpr VarType VT_UI2 = 18;
inline constexpr VarType VT_UI4 = 19;
inline constexpr VarType VT_I8 = 20;
inline constexpr VarType VT_UI8 = 21;
inline constexpr VarType VT_INT = 22;
inline constexpr VarType VT_UINT = 23;
inline constexpr VarType VT_VOID = 24;
inline constexpr VarType VT_HRESULT = 25;
inline constexpr VarType VT_PTR = 26;
inline constexpr VarType VT_SAFEARRAY = 27;
inline constexpr VarType VT_CARRAY = 28;
inline constexpr VarType VT_USERDEFINED = 29;
inline constexpr VarType VT_LPSTR = 30;
inline constexpr VarType VT_LPWSTR = 31;
inline constexpr VarType VT_RECORD = 36;
inline constexpr VarType VT_INT_PTR = 37;
inline constexpr VarType VT_UINT_PTR = 38;
inline constexpr VarType VT_VECTOR = 0x1000;
inline constexpr VarType VT_ARRAY = 0x2000;
inline constexpr VarType VT_BYREF = 0x4000;
inline constexpr VarType VT_TYPEMASK = 0x0FFF;

inline constexpr int16_t VARIANT_TRUE = -1;
inline constexpr int16_t VARIANT_FALSE = 0;

}  // namespace Com
