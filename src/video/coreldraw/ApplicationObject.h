#pragma once

#include <memory>

#include "panelwick/Com/DispatchObject.h"
#include "video/coreldraw/ServerState.h"

namespace CorelDraw {

// The server's application: "OpenDocument" (path) returns a document, "Quit" ends the
// application, after which none of its objects answers.
class ApplicationObject : public Com::DispatchObject {
public:
    ApplicationObject();

protected:
    Com::HRESULT Call(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                      Com::Variant& result, Com::ExcepInfo& excepInfo) override;

private:
    Com::HRESULT OpenDocument(const std::u16string& path, Com::Variant& result,
                              Com::ExcepInfo& excepInfo);

    std::shared_ptr<Session> session_;
};

}  // namespace CorelDraw
