#include <array>
#include <filesystem>

#include <gtest/gtest.h>

#include "panelwick/Com/Apartment.h"
#include "panelwick/Com/Exception.h"
#include "panelwick/Com/Object.h"
#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Utf.h"
#include "project/ProjectPaths.h"
#include "support/Corpus.h"
#include "support/TempDir.h"
#include "video/PageExport.h"
#include "video/coreldraw/CorelDrawServer.h"

namespace {

// A project folder holding a copy of the probe drawing (one page, 8.5 x 11 inches, a red
// rectangle) as doc.cdr.
class PageExport : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string probe = CorpusFile("cdr/probe.cdr");
        if (probe.empty()) GTEST_SKIP() << "shared/corpora/cdr/probe.cdr not found";
        ASSERT_TRUE(Sys::ReadWholeFile(probe, bytes));
        ASSERT_TRUE(Sys::WriteWholeFile(DocPath(), bytes));
        object.type = MovieObjectType::CorelDrawPage;
        object.fileName = u"doc.cdr";
        object.page = 1;
    }
    std::string Folder() const { return dir.path().string(); }
    std::string DocPath() const { return dir / "doc.cdr"; }

    TempDir dir;
    std::string bytes;
    MovieObject object;
    CG::ImageRGBA picture;
};

const uint8_t* Pixel(const CG::ImageRGBA& picture, uint32_t x, uint32_t y) {
    return picture.Row(y) + size_t(x) * 4;
}

}  // namespace

TEST_F(PageExport, PageOneBecomesThePictureAtOneHundredFiftyDotsPerInch) {
    const int running = CorelDraw::RunningApplications();
    ASSERT_TRUE(ExportPage(Folder(), object, picture).ok());
    // 8.5 x 11 inches at 150 dots per inch.
    ASSERT_EQ(picture.width(), 1275u);
    ASSERT_EQ(picture.height(), 1650u);
    // The rectangle spans 48..349 x 138..406 points; outside it the page is transparent.
    const uint8_t* inside = Pixel(picture, 200 * 150 / 72, 270 * 150 / 72);
    EXPECT_EQ(inside[0], 0xE3);
    EXPECT_EQ(inside[1], 0x00);
    EXPECT_EQ(inside[2], 0x16);
    EXPECT_EQ(inside[3], 255);
    EXPECT_EQ(Pixel(picture, 10, 10)[3], 0);
    EXPECT_EQ(Pixel(picture, 1200, 1600)[3], 0);

    EXPECT_TRUE(Sys::FolderExists(dir / "tmp"));
    EXPECT_FALSE(std::filesystem::exists(ProjectPaths(Folder()).pageExport()));
    EXPECT_EQ(CorelDraw::RunningApplications(), running);
}

TEST_F(PageExport, SequenceFailuresNameTheDocumentAndTheServerQuits) {
    const int running = CorelDraw::RunningApplications();
    object.page = 2;
    EXPECT_EQ(ExportPage(Folder(), object, picture).message(), "Invalid page: " + DocPath());
    EXPECT_TRUE(picture.empty());
    EXPECT_EQ(CorelDraw::RunningApplications(), running);

    object.fileName = u"none.cdr";
    EXPECT_EQ(ExportPage(Folder(), object, picture).message(),
              "Missing file: " + (dir / "none.cdr"));
    EXPECT_EQ(CorelDraw::RunningApplications(), running);

    EXPECT_EQ(ExportPage(dir / "no-project", object, picture).message(),
              "Unable to create \\tmp folder");
}

TEST_F(PageExport, UnreadableDocumentsGiveTheServersExceptionText) {
    const int running = CorelDraw::RunningApplications();
    const std::string expected =
        "CorelDRAW.Application.OpenDocument.IDispatch.Invoke\r\n\r\n"
        "Method OpenDocument(VT_BSTR) returns VT_DISPATCH\r\n raised an exception\r\n\r\n"
        "Source: CorelDRAW.Application\r\n"
        "Description: The file is not a drawing this program can read: " +
        DocPath() + "\r\nHelp File: \r\nCode: 0\r\nHelp Context: 0";

    ASSERT_TRUE(Sys::WriteWholeFile(DocPath(), bytes.substr(0, bytes.size() / 2)));
    EXPECT_EQ(ExportPage(Folder(), object, picture).message(), expected);

    std::string corrupted = bytes;
    for (size_t i = 16; i < corrupted.size(); i += 7) corrupted[i] = char(corrupted[i] ^ 0x5A);
    ASSERT_TRUE(Sys::WriteWholeFile(DocPath(), corrupted));
    EXPECT_EQ(ExportPage(Folder(), object, picture).message(), expected);
    EXPECT_TRUE(picture.empty());
    EXPECT_EQ(CorelDraw::RunningApplications(), running);
}

TEST_F(PageExport, ServerTypeInformationStopsShortCallsAtTheClient) {
    Com::Apartment apartment;
    CorelDraw::RegisterServer();
    Com::Object application;
    application.CreateInstance(CorelDraw::kProgId);
    application.LoadTypeInfo();
    Com::Object document, pages;
    std::array<Com::Variant, 1> path{Com::Variant::Bstr(Sys::ToUtf16(DocPath()))};
    application.InvokeToObject("OpenDocument", path, document, Com::DISPATCH_METHOD);
    document.InvokeToObject("Pages", {}, pages, Com::DISPATCH_PROPERTYGET);
    EXPECT_EQ(pages.memberCount(), 2u);

    // "ExportBitmap" needs at least its first nine arguments.
    std::array<Com::Variant, 3> few{Com::Variant::I4(1), Com::Variant::I4(802),
                                    Com::Variant::Bstr(Sys::ToUtf16(dir / "out.png"))};
    Com::Object filter;
    try {
        document.InvokeToObject("ExportBitmap", few, filter, Com::DISPATCH_METHOD);
        ADD_FAILURE() << "no exception";
    } catch (const Com::Exception& e) {
        EXPECT_EQ(e.hr(), Com::DISP_E_BADPARAMCOUNT);
        EXPECT_EQ(e.Message().rfind("OpenDocument.ExportBitmap takes 16 parameters, they were "
                                    "provided 3\r\n\r\nMethod ExportBitmap(VT_BSTR, VT_I4, ",
                                    0),
                  0u)
            << e.Message();
    }
    EXPECT_TRUE(filter.empty());
    application.Call("Quit");
    // After "Quit" the server no longer answers.
    Com::Variant count;
    EXPECT_THROW(pages.InvokeToValue("Count", {}, count, Com::DISPATCH_PROPERTYGET),
                 Com::Exception);
}
