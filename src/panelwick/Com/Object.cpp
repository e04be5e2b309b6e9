#include "panelwick/Com/Object.h"

#include <algorithm>
#include <vector>

#include "panelwick/Com/ClassRegistry.h"
#include "panelwick/Com/Exception.h"
#include "panelwick/Com/VarTypeNames.h"
#include "panelwick/Sys/Utf.h"

namespace Com {
namespace {

const char* KindWord(InvokeKind kind) {
    switch (kind) {
        case DISPATCH_METHOD: return "Method";
        case DISPATCH_PROPERTYGET: return "Get";
        case DISPATCH_PROPERTYPUT: return "Put";
        case DISPATCH_PROPERTYPUTREF: return "PutRef";
    }
    return "Error";
}

// "Method ExportBitmap(VT_BSTR, VT_INT) returns VT_DISPATCH": from the type information when
// there is some, else from the arguments given.
std::string Signature(InvokeKind kind, const std::string& member, const FuncDesc* desc,
                      std::span<const Variant> args, VarType resultType) {
    std::vector<VarType> types;
    if (desc != nullptr) {
        types = desc->params;
        resultType = desc->result;
    } else {
        for (size_t i = args.size(); i-- > 0;) types.push_back(args[i].vt);
    }
    std::string text = std::string(KindWord(kind)) + " " + member + "(";
    for (size_t i = 0; i < types.size(); ++i) {
        if (i > 0) text += ", ";
        text += VarTypeName(types[i]);
    }
    return text + ") returns " + VarTypeName(resultType);
}

// Parameters declared with these types take any argument.
bool AcceptsAnyType(VarType declared) {
    return declared == VT_EMPTY || declared == VT_ERROR || declared == VT_VOID;
}

}  // namespace

void Object::SetName(std::string_view name) {
    std::u16string wide = Sys::ToUtf16(name);
    if (wide.size() > kMaxNameLength) wide.resize(kMaxNameLength);
    name_ = Sys::ToUtf8(wide);
}

void Object::CreateInstance(const std::string& progId) {
    Clsid clsid{};
    HRESULT hr = CLSIDFromProgID(progId, clsid);
    if (Failed(hr)) throw Exception(hr, progId);
    Clear(false);
    if (name_.empty()) {
        std::string registeredName;
        hr = ProgIDFromCLSID(clsid, registeredName);
        if (Failed(hr)) throw Exception(hr, "CreateInstance.ProgIDFromCLSID");
        SetName(registeredName);
    }
    hr = Com::CreateInstance(clsid, dispatch_);
    if (Failed(hr)) throw Exception(hr, name_ + ".CreateInstance.IDispatch");
    clsid_ = clsid;
    typeInfoLoaded_ = false;
}

void Object::InvokeToObject(const std::string& member, std::span<Variant> args, Object& result,
                            InvokeKind kind) {
    result.Clear(true);
    Variant value;
    Invoke(member, args, value, kind, VT_DISPATCH);
    if (value.vt != VT_DISPATCH) {
        throw Exception(DISP_E_TYPEMISMATCH, name_ + "." + member + ".IDispatch.Invoke\r\n\r\n" +
                                                 Signature(kind, member, nullptr, args, value.vt) +
                                                 "\r\n");
    }
    result.dispatch_ = std::move(value.dispVal);
    result.SetName(member);
    result.typeInfoLoaded_ = typeInfoLoaded_;
    if (typeInfoLoaded_ && result.dispatch_) LoadResultTypeInfo(result);
}

void Object::InvokeToValue(const std::string& member, std::span<Variant> args, Variant& result,
                           InvokeKind kind) {
    result.Clear();
    Invoke(member, args, result, kind, VT_VARIANT);
}

void Object::Call(const std::string& member) {
    Variant ignored;
    InvokeToValue(member, {}, ignored, DISPATCH_METHOD);
}

void Object::Invoke(const std::string& member, std::span<Variant> args, Variant& value,
                    InvokeKind kind, VarType resultType) {
    DispId id = DISPID_UNKNOWN;
    const FuncDesc* desc = nullptr;
    if (memberCount_ > 0) {
        desc = FindCachedMember(member, kind);
        if (desc == nullptr) {
            throw Exception(DISP_E_UNKNOWNNAME,
                            name_ + "." + member + ".IDispatch.GetIDsOfNames DISPID not found");
        }
        id = desc->memberId;
        CheckArguments(*desc, member, args);
    } else {
        const HRESULT hr = dispatch_ ? dispatch_->GetIDsOfNames(member, LOCALE_USER_DEFAULT, id)
                                     : E_POINTER;
        if (Failed(hr)) throw Exception(hr, name_ + "." + member + ".IDispatch.GetIDsOfNames");
    }

    const DispId putId = DISPID_PROPERTYPUT;
    const bool put = kind == DISPATCH_PROPERTYPUT || kind == DISPATCH_PROPERTYPUTREF;
    DispParams params{args, put ? std::span<const DispId>(&putId, 1) : std::span<const DispId>()};
    ExcepInfo excepInfo;
    uint32_t argErr = 0;
    const HRESULT hr = dispatch_ ? dispatch_->Invoke(id, LOCALE_USER_DEFAULT, kind, params, &value,
                                                     &excepInfo, &argErr)
                                 : E_POINTER;
    if (Succeeded(hr)) return;

    const std::string signature = Signature(kind, member, desc, args, resultType);
    value.Clear();
    // The server counts arguments from the end of the list; with type information the
    // message counts parameters from the first.
    const int32_t index = desc != nullptr ? static_cast<int32_t>(args.size()) - 1 - int32_t(argErr)
                                          : -static_cast<int32_t>(argErr) - 1;
    throw Exception(hr, name_ + "." + member + ".IDispatch.Invoke\r\n\r\n" + signature + "\r\n",
                    std::move(excepInfo), index);
}

const FuncDesc* Object::FindCachedMember(const std::string& member, InvokeKind kind) const {
    auto it = cache_.find({member, kind});
    return it == cache_.end() ? nullptr : &it->second;
}

void Object::CheckArguments(const FuncDesc& desc, const std::string& member,
                            std::span<const Variant> args) const {
    // Arguments left out at the end of the parameter list count as not given.
    size_t given = 0;
    for (size_t i = args.size(); i-- > 0 && !args[i].IsMissing();) ++given;
    const size_t optional = std::min<size_t>(desc.optionalCount, desc.params.size());
    const size_t required = desc.params.size() - optional;
    if (given < required) {
        throw Exception(DISP_E_BADPARAMCOUNT,
                        name_ + "." + member + " takes " + std::to_string(desc.params.size()) +
                            " parameters, they were provided " + std::to_string(args.size()) +
                            "\r\n\r\n" + Signature(desc.kind, member, &desc, args, VT_EMPTY) +
                            "\r\n\r\n");
    }
    for (size_t i = 0; i < desc.params.size() && i < given; ++i) {
        const VarType provided = args[args.size() - 1 - i].vt;
        const VarType declared = desc.params[i];
        if ((provided & ~VT_BYREF) == (declared & ~VT_BYREF) || AcceptsAnyType(declared)) continue;
        throw Exception(DISP_E_TYPEMISMATCH,
                        name_ + "." + member + " cannot convert parameter " + std::to_string(i) +
                            " from " + VarTypeName(provided) + " to " + VarTypeName(declared) +
                            "\r\n\r\n" + Signature(desc.kind, member, &desc, args, VT_EMPTY) +
                            "\r\n\r\n",
                        {}, static_cast<int32_t>(i));
    }
}

void Object::LoadTypeInfo() {
    cache_.clear();
    memberCount_ = 0;
    typeInfoLoaded_ = true;
    uint32_t infoCount = 0;
    HRESULT hr = dispatch_ ? dispatch_->GetTypeInfoCount(infoCount) : E_POINTER;
    if (Failed(hr)) throw Exception(hr, name_ + ".IDispatch.GetTypeInfoCount");
    if (infoCount == 0) return;
    std::shared_ptr<ITypeInfo> info;
    hr = dispatch_->GetTypeInfo(0, info);
    if (Succeeded(hr) && !info) hr = E_POINTER;
    if (Failed(hr)) throw Exception(hr, name_ + ".IDispatch.GetTypeInfo");
    uint32_t functionCount = 0;
    hr = info->GetTypeAttr(functionCount);
    if (Failed(hr)) throw Exception(hr, name_ + ".IDispatch.ITypeInfo.GetTypeAttr");
    std::map<CacheKey, FuncDesc> cache;
    for (uint32_t i = 0; i < functionCount; ++i) {
        FuncDesc desc;
        hr = info->GetFuncDesc(i, desc);
        if (Failed(hr)) throw Exception(hr, name_ + ".GetFuncBasicInfo");
        for (InvokeKind bit = DISPATCH_METHOD; bit <= DISPATCH_PROPERTYPUTREF; bit <<= 1) {
            if (desc.kind & bit) {
                FuncDesc single = desc;
                single.kind = bit;
                cache[{desc.name, bit}] = std::move(single);
            }
        }
    }
    cache_ = std::move(cache);
    memberCount_ = cache_.size();
}

void Object::LoadResultTypeInfo(Object& result) const {
    try {
        result.LoadTypeInfo();
    } catch (const Exception& e) {
        throw Exception(e.hr(), result.name_ + ".GetFuncBasicInfo");
    }
}

void Object::Clear(bool dropName) {
    dispatch_.reset();
    cache_.clear();
    memberCount_ = 0;
    clsid_ = Clsid{};
    if (dropName) name_.clear();
}

}  // namespace Com
