#include "video/coreldraw/CorelDrawServer.h"

#include <atomic>
#include <memory>
#include <mutex>

#include "panelwick/CG/ImageRGBA.h"
#include "panelwick/Com/ClassRegistry.h"
#include "video/coreldraw/ApplicationObject.h"

namespace CorelDraw {
namespace {

// The server's class identifier, made up for this server.
constexpr Com::Clsid kClsid = {0x5b, 0x1e, 0x3c, 0x72, 0x0d, 0x94, 0x4a, 0x61,
                               0x9e, 0x27, 0xc8, 0x40, 0x15, 0xa3, 0x6f, 0xd2};

std::atomic<int> running{0};
std::atomic<uint64_t> pixelLimit{CG::ImageRGBA::kMaxPixels};

}  // namespace

void RegisterServer() {
    static std::once_flag once;
    std::call_once(once, [] {
        Com::RegisterClass(kClsid, kProgId, []() -> std::shared_ptr<Com::IDispatch> {
            return std::make_shared<ApplicationObject>();
        });
    });
}

int RunningApplications() { return running.load(); }

void ApplicationStarted() { ++running; }
void ApplicationQuit() { --running; }

void SetPixelLimit(uint64_t pixels) { pixelLimit = pixels; }
uint64_t PixelLimit() { return pixelLimit.load(); }

}  // namespace CorelDraw
