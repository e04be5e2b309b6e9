#include "panelwick/Com/Variant.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "panelwick/Sys/Utf.h"

namespace Com {
namespace {

bool IsInteger(VarType type) {
    switch (type) {
        case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4:
        case VT_I8: case VT_UI8: case VT_INT: case VT_UINT: case VT_BOOL:
            return true;
    }
    return false;
}

bool IntegerRange(VarType type, long double& low, long double& high) {
    switch (type) {
        case VT_I1: low = INT8_MIN, high = INT8_MAX; return true;
        case VT_UI1: low = 0, high = UINT8_MAX; return true;
        case VT_I2: low = INT16_MIN, high = INT16_MAX; return true;
        case VT_UI2: low = 0, high = UINT16_MAX; return true;
        case VT_I4: case VT_INT: low = INT32_MIN, high = INT32_MAX; return true;
        case VT_UI4: case VT_UINT: low = 0, high = UINT32_MAX; return true;
        case VT_I8: low = INT64_MIN, high = INT64_MAX; return true;
        case VT_UI8: low = 0, high = UINT64_MAX; return true;
    }
    return false;
}

// The numeric value of a variant, exact for every integer type.
HRESULT NumberOf(const Variant& v, long double& number) {
    if (v.vt == VT_EMPTY) {
        number = 0;
    } else if (v.vt == VT_UI8) {
        number = static_cast<uint64_t>(v.intVal);
    } else if (IsInteger(v.vt)) {
        number = v.intVal;
    } else if (v.vt == VT_R4 || v.vt == VT_R8) {
        number = v.realVal;
    } else if (v.vt == VT_BSTR) {
        const std::string text = Sys::ToUtf8(v.bstrVal);
        const char* begin = text.c_str();
        char* end = nullptr;
        errno = 0;
        number = std::strtold(begin, &end);
        while (end != nullptr && (*end == ' ' || *end == '\t')) ++end;
        if (end == begin || *end != '\0' || errno == ERANGE || !std::isfinite(number)) {
            return DISP_E_TYPEMISMATCH;
        }
    } else {
        return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

std::u16string TextOf(const Variant& v) {
    char text[64];
    if (v.vt == VT_UI8) {
        std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(v.intVal));
    } else if (IsInteger(v.vt)) {
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(v.intVal));
    } else {
        std::snprintf(text, sizeof text, "%.15g", v.realVal);
    }
    return Sys::ToUtf16(text);
}

HRESULT ToNumber(Variant& out, const Variant& src, VarType type) {
    long double number = 0;
    if (HRESULT hr = NumberOf(src, number); Failed(hr)) return hr;
    out.vt = type;
    if (type == VT_BOOL) {
        out.intVal = number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (type == VT_R8 || type == VT_R4) {
        const long double limit = type == VT_R4 ? std::numeric_limits<float>::max()
                                                : std::numeric_limits<double>::max();
        if (std::fabs(number) > limit) return DISP_E_OVERFLOW;
        out.realVal = type == VT_R4 ? static_cast<double>(static_cast<float>(number))
                                    : static_cast<double>(number);
    } else {
        long double low = 0, high = 0;
        IntegerRange(type, low, high);
        const long double rounded = std::nearbyint(number);  // half to even
        if (rounded < low || rounded > high) return DISP_E_OVERFLOW;
        out.intVal = type == VT_UI8 ? static_cast<int64_t>(static_cast<uint64_t>(rounded))
                                    : static_cast<int64_t>(rounded);
    }
    return S_OK;
}

}  // namespace

Variant Variant::Bstr(std::u16string value) {
    Variant v;
    v.vt = VT_BSTR;
    v.bstrVal = std::move(value);
    return v;
}

Variant Variant::Dispatch(std::shared_ptr<IDispatch> value) {
    Variant v;
    v.vt = VT_DISPATCH;
    v.dispVal = std::move(value);
    return v;
}

Variant Variant::DispatchRef(std::shared_ptr<IDispatch>* target) {
    Variant v;
    v.vt = VT_BYREF | VT_DISPATCH;
    v.byref = target;
    return v;
}

HRESULT VariantCopyInd(Variant& dest, const Variant& src) {
    if ((src.vt & VT_BYREF) == 0) {
        dest = src;
        return S_OK;
    }
    if (src.byref == nullptr) return E_INVALIDARG;
    switch (src.vt & ~VT_BYREF) {
        case VT_DISPATCH:
            dest = Variant::Dispatch(*static_cast<std::shared_ptr<IDispatch>*>(src.byref));
            return S_OK;
        case VT_VARIANT: {
            const Variant& inner = *static_cast<const Variant*>(src.byref);
            if (inner.vt & VT_BYREF) return DISP_E_BADVARTYPE;
            dest = inner;
            return S_OK;
        }
    }
    return DISP_E_BADVARTYPE;
}

HRESULT VariantChangeType(Variant& dest, const Variant& src, VarType type) {
    Variant value;
    if (HRESULT hr = VariantCopyInd(value, src); Failed(hr)) return hr;
    if (type == value.vt || type == VT_VARIANT) {
        dest = std::move(value);
        return S_OK;
    }
    Variant out;
    long double low = 0, high = 0;
    if (type == VT_EMPTY) {
        // An empty result needs nothing more.
    } else if (type == VT_BOOL || type == VT_R4 || type == VT_R8 || IntegerRange(type, low, high)) {
        if (HRESULT hr = ToNumber(out, value, type); Failed(hr)) return hr;
    } else if (type == VT_BSTR) {
        const bool number = IsInteger(value.vt) || value.vt == VT_R4 || value.vt == VT_R8;
        if (value.vt != VT_EMPTY && !number) {
            return DISP_E_TYPEMISMATCH;
        }
        out = Variant::Bstr(value.vt == VT_EMPTY ? std::u16string() : TextOf(value));
    } else if (type == VT_DISPATCH) {
        if (value.vt != VT_EMPTY) return DISP_E_TYPEMISMATCH;
        out = Variant::Dispatch(nullptr);
    } else {
        return DISP_E_BADVARTYPE;
    }
    dest = std::move(out);
    return S_OK;
}

}  // namespace Com
