#include "panelwick/Com/TypeInfo.h"

namespace Com {

HRESULT TypeInfo::GetTypeAttr(uint32_t& functionCount) {
    functionCount = static_cast<uint32_t>(functions_.size());
    return S_OK;
}

HRESULT TypeInfo::GetFuncDesc(uint32_t index, FuncDesc& desc) {
    if (index >= functions_.size()) return TYPE_E_ELEMENTNOTFOUND;
    desc = functions_[index];
    return S_OK;
}

}  // namespace Com
