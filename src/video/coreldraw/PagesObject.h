#pragma once

#include <memory>

#include "panelwick/Com/DispatchObject.h"
#include "video/coreldraw/ServerState.h"

namespace CorelDraw {

// The pages of a document: "Count", and "Item" (1-based index) returning one page.
class PagesObject : public Com::DispatchObject {
public:
    PagesObject(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing);

protected:
    Com::HRESULT Call(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                      Com::Variant& result, Com::ExcepInfo& excepInfo) override;

private:
    std::shared_ptr<Session> session_;
    std::shared_ptr<Drawing> drawing_;
};

}  // namespace CorelDraw
