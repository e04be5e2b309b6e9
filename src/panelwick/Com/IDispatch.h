#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "panelwick/Com/Types.h"
#include "panelwick/Com/Variant.h"

namespace Com {

// What a server tells about an exception it raised inside a member (DISP_E_EXCEPTION).
// Texts are UTF-8.
struct ExcepInfo {
    uint16_t code = 0;
    std::string source;
    std::string description;
    std::string helpFile;
    uint32_t helpContext = 0;
    HRESULT scode = S_OK;
};

// The arguments of one call, in the reverse order of the member's parameters; a property put
// passes DISPID_PROPERTYPUT as its one named argument.
struct DispParams {
    std::span<Variant> args;
    std::span<const DispId> namedArgs;
};

// One member as type information describes it.
struct FuncDesc {
    std::string name;
    DispId memberId = DISPID_UNKNOWN;
    InvokeKind kind = DISPATCH_METHOD;
    std::vector<VarType> params;  // in parameter order
    uint16_t optionalCount = 0;   // how many of the last parameters may be left out
    VarType result = VT_EMPTY;
};

class ITypeInfo {
public:
    virtual ~ITypeInfo() = default;
    virtual HRESULT GetTypeAttr(uint32_t& functionCount) = 0;
    virtual HRESULT GetFuncDesc(uint32_t index, FuncDesc& desc) = 0;
};

// An automation object: members found by name and invoked by identifier. Objects are shared;
// a shared_ptr reference stands for a counted interface reference.
class IDispatch {
public:
    virtual ~IDispatch() = default;
    virtual HRESULT GetTypeInfoCount(uint32_t& count) = 0;
    virtual HRESULT GetTypeInfo(uint32_t index, std::shared_ptr<ITypeInfo>& info) = 0;
    virtual HRESULT GetIDsOfNames(const std::string& name, uint32_t locale, DispId& id) = 0;
    // result may be null when the caller wants no value; argErr receives the index (into
    // params.args) of an argument that could not be used.
    virtual HRESULT Invoke(DispId id, uint32_t locale, InvokeKind kind, DispParams& params,
                           Variant* result, ExcepInfo* excepInfo, uint32_t* argErr) = 0;
};

}  // namespace Com
