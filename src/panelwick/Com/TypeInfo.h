#pragma once

#include <vector>

#include "panelwick/Com/IDispatch.h"

namespace Com {

// Type information held as a plain list of member descriptions.
class TypeInfo : public ITypeInfo {
public:
    explicit TypeInfo(std::vector<FuncDesc> functions) : functions_(std::move(functions)) {}

    HRESULT GetTypeAttr(uint32_t& functionCount) override;
    HRESULT GetFuncDesc(uint32_t index, FuncDesc& desc) override;

    const std::vector<FuncDesc>& functions() const { return functions_; }

private:
    std::vector<FuncDesc> functions_;
};

}  // namespace Com
