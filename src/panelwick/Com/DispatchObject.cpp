#include "panelwick/Com/DispatchObject.h"

#include <strings.h>

namespace Com {

HRESULT DispatchObject::GetTypeInfoCount(uint32_t& count) {
    count = 1;
    return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(uint32_t index, std::shared_ptr<ITypeInfo>& info) {
    if (index != 0) return DISP_E_BADINDEX;
    info = members_;
    return S_OK;
}

HRESULT DispatchObject::GetIDsOfNames(const std::string& name, uint32_t, DispId& id) {
    for (const FuncDesc& member : members_->functions()) {
        if (strcasecmp(member.name.c_str(), name.c_str()) == 0) {
            id = member.memberId;
            return S_OK;
        }
    }
    id = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchObject::Invoke(DispId id, uint32_t, InvokeKind kind, DispParams& params,
                               Variant* result, ExcepInfo* excepInfo, uint32_t* argErr) {
    const FuncDesc* member = nullptr;
    for (const FuncDesc& candidate : members_->functions()) {
        if (candidate.memberId == id && (candidate.kind & kind) != 0) member = &candidate;
    }
    if (member == nullptr) return DISP_E_MEMBERNOTFOUND;

    const bool put = (kind & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    if (put && (params.namedArgs.size() != 1 || params.namedArgs[0] != DISPID_PROPERTYPUT)) {
        return DISP_E_PARAMNOTFOUND;
    }
    if (!put && !params.namedArgs.empty()) return DISP_E_NONAMEDARGS;

    std::vector<Variant> args;
    if (HRESULT hr = ConvertArguments(*member, params, args, argErr); Failed(hr)) return hr;
    Variant ignored;
    ExcepInfo unused;
    Variant& out = result != nullptr ? *result : ignored;
    out.Clear();
    return Call(*member, args, out, excepInfo != nullptr ? *excepInfo : unused);
}

HRESULT DispatchObject::ConvertArguments(const FuncDesc& member, const DispParams& params,
                                         std::vector<Variant>& args, uint32_t* argErr) const {
    const size_t given = params.args.size();
    const size_t count = member.params.size();
    if (given > count || given + member.optionalCount < count) return DISP_E_BADPARAMCOUNT;
    args.assign(count, Variant::Missing());
    for (size_t i = 0; i < given; ++i) {
        const size_t position = given - 1 - i;
        const Variant& arg = params.args[position];
        const VarType declared = member.params[i];
        HRESULT hr = S_OK;
        if (arg.vt == VT_ERROR && i + member.optionalCount >= count) {
            continue;  // an optional argument left out
        } else if (declared & VT_BYREF) {
            if (arg.vt != declared || arg.byref == nullptr) hr = DISP_E_TYPEMISMATCH;
            args[i] = arg;
        } else {
            hr = VariantChangeType(args[i], arg, declared);
        }
        if (Failed(hr)) {
            if (argErr != nullptr) *argErr = static_cast<uint32_t>(position);
            return hr;
        }
    }
    return S_OK;
}

HRESULT DispatchObject::Raise(ExcepInfo& excepInfo, std::string source, std::string description) {
    excepInfo = ExcepInfo();
    excepInfo.source = std::move(source);
    excepInfo.description = std::move(description);
    excepInfo.scode = E_FAIL;
    return DISP_E_EXCEPTION;
}

}  // namespace Com
