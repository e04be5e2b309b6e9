#pragma once

#include <memory>
#include <string>

#include "video/coreldraw/ServerObject.h"

namespace CorelDraw {

// The server's application: "OpenDocument" (path) returns a document, "Quit" ends the
// application, after which none of its objects answers.
class ApplicationObject : public ServerObject {
public:
    ApplicationObject();

protected:
    Com::HRESULT Answer(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                        Com::Variant& result, Com::ExcepInfo& excepInfo) override;

private:
    Com::HRESULT OpenDocument(const std::u16string& path, Com::Variant& result,
                              Com::ExcepInfo& excepInfo);
};

}  // namespace CorelDraw
