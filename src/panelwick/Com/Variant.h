#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "panelwick/Com/Types.h"

namespace Com {

class IDispatch;

// One automation value: its type tag and the member that holds the value for that tag.
struct Variant {
    VarType vt = VT_EMPTY;
    // Every integer type; VT_BOOL as VARIANT_TRUE or VARIANT_FALSE; VT_ERROR as its code.
    int64_t intVal = 0;
    double realVal = 0;  // VT_R4, VT_R8
    std::u16string bstrVal;
    std::shared_ptr<IDispatch> dispVal;
    // With VT_BYREF: a std::shared_ptr<IDispatch>* for VT_DISPATCH, a Variant* for VT_VARIANT.
    void* byref = nullptr;

    static Variant Int(int32_t value) { return Integer(VT_INT, value); }
    static Variant I4(int32_t value) { return Integer(VT_I4, value); }
    static Variant UI1(uint8_t value) { return Integer(VT_UI1, value); }
    static Variant Bool(bool value) {
        return Integer(VT_BOOL, value ? VARIANT_TRUE : VARIANT_FALSE);
    }
    static Variant Bstr(std::u16string value);
    static Variant Dispatch(std::shared_ptr<IDispatch> value);
    static Variant DispatchRef(std::shared_ptr<IDispatch>* target);
    // An optional argument left out: VT_ERROR carrying DISP_E_PARAMNOTFOUND.
    static Variant Missing() { return Integer(VT_ERROR, DISP_E_PARAMNOTFOUND); }

    // Empties the value (VT_EMPTY), releasing what it held.
    void Clear() { *this = Variant(); }
    bool IsMissing() const { return vt == VT_ERROR || vt == VT_EMPTY; }

private:
    static Variant Integer(VarType type, int64_t value) {
        Variant v;
        v.vt = type;
        v.intVal = value;
        return v;
    }
};

// Copies src into dest, following a reference to the value it points at.
HRESULT VariantCopyInd(Variant& dest, const Variant& src);

// Converts src to the given type: numbers round half to even and must fit the target
// (DISP_E_OVERFLOW), strings convert to numbers when they hold one (DISP_E_TYPEMISMATCH
// otherwise). dest is left untouched on failure.
HRESULT VariantChangeType(Variant& dest, const Variant& src, VarType type);

}  // namespace Com
