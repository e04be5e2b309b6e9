#pragma once

#include <cstddef>
#include <memory>

#include "panelwick/Com/DispatchObject.h"
#include "video/coreldraw/ServerState.h"

namespace CorelDraw {

// One page of a document: "Activate" makes it the page that exports.
class PageObject : public Com::DispatchObject {
public:
    PageObject(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing, size_t index);

protected:
    Com::HRESULT Call(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                      Com::Variant& result, Com::ExcepInfo& excepInfo) override;

private:
    std::shared_ptr<Session> session_;
    std::shared_ptr<Drawing> drawing_;
    size_t index_;
};

}  // namespace CorelDraw
