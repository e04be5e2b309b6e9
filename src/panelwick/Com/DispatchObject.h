#pragma once

#include <memory>
#include <vector>

#include "panelwick/Com/IDispatch.h"
#include "panelwick/Com/TypeInfo.h"

namespace Com {

// The server side of an automation object. Its members are described once, as data; this
// base finds them by name (ignoring case), checks the argument count and converts every
// argument to its declared type before the derived class sees the call, and hands out the
// descriptions as type information.
class DispatchObject : public IDispatch {
public:
    HRESULT GetTypeInfoCount(uint32_t& count) override;
    HRESULT GetTypeInfo(uint32_t index, std::shared_ptr<ITypeInfo>& info) override;
    HRESULT GetIDsOfNames(const std::string& name, uint32_t locale, DispId& id) override;
    HRESULT Invoke(DispId id, uint32_t locale, InvokeKind kind, DispParams& params,
                   Variant* result, ExcepInfo* excepInfo, uint32_t* argErr) override;

protected:
    explicit DispatchObject(std::shared_ptr<TypeInfo> members) : members_(std::move(members)) {}

    // One call, with the arguments in parameter order and converted to their declared types
    // (a left-out optional argument stays VT_ERROR). To raise an exception, fill excepInfo
    // and return DISP_E_EXCEPTION.
    virtual HRESULT Call(const FuncDesc& member, std::vector<Variant>& args, Variant& result,
                         ExcepInfo& excepInfo) = 0;

    // Fills an exception raised by this server.
    static HRESULT Raise(ExcepInfo& excepInfo, std::string source, std::string description);

private:
    HRESULT ConvertArguments(const FuncDesc& member, const DispParams& params,
                             std::vector<Variant>& args, uint32_t* argErr) const;

    std::shared_ptr<TypeInfo> members_;
};

}  // namespace Com
