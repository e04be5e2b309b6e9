#include <gtest/gtest.h>

#include "panelwick/Com/ErrorTable.h"
#include "panelwick/Com/Exception.h"
#include "panelwick/Com/VarTypeNames.h"

using namespace Com;

TEST(ErrorTable, KeepsTheFixedTextsAndNamesEveryOtherCodeUnknown) {
    EXPECT_EQ(ErrorTableSize(), 55u);
    // The program's own texts, then codes that take the system's description.
    const std::pair<HRESULT, const char*> texts[] = {
        {Code(0x80020003),
         "The requested member does not exist, or the call to Invoke tried to set the value of a "
         "read-only property. "},
        {DISP_E_TYPEMISMATCH, "One or more of the arguments could not be coerced."},
        {Code(0x8002000F), "A required parameter was omitted"},
        {Code(0x80020013), "Buffer too small"},
        {Code(0x80028016), "Buffer too small."},
        {Code(0x80028019), "Old format or invalid type library."},
        {Code(0x80028CA0), "Type mismatch."},
        {Code(0x80028CA1), "Invalid number of arguments."},
        {E_INVALIDARG, "One or more arguments are invalid."},
        {RPC_S_SERVER_UNAVAILABLE,
         "The RPC server is unavailable. Terminate all pending specific processes before trying "
         "again. When using DCOM: an antivirus software or a firewall may be producing the error."},
        {Code(0x80029C84), "Circular dependency between types/modules."},
        {E_ACCESSDENIED, "Access is denied."},
        {E_FAIL, "Unknown error"},
        {Code(0x80020002), "Unknown error"},
    };
    for (const auto& [code, text] : texts)
        EXPECT_STREQ(ErrorTableText(code), text) << std::hex << code;
    // Every listed range is complete: the seventeen codes from member-not-found on.
    for (uint32_t code = 0x80020003; code <= 0x80020013; ++code) {
        EXPECT_STRNE(ErrorTableText(Code(code)), "Unknown error") << std::hex << code;
    }
}

TEST(ComException, MessageFormsFollowTheResultCode) {
    EXPECT_EQ(Exception(S_FALSE, "ctx").Message(), "");

    ExcepInfo info;
    info.source = "Src";
    info.description = "Went wrong";
    info.helpFile = "h.chm";
    info.code = 12;
    info.helpContext = 5;
    EXPECT_EQ(Exception(DISP_E_EXCEPTION, "App.Do", info).Message(),
              "App.Do raised an exception\r\n\r\nSource: Src\r\nDescription: Went wrong\r\n"
              "Help File: h.chm\r\nCode: 12\r\nHelp Context: 5");

    EXPECT_EQ(Exception(DISP_E_TYPEMISMATCH, "ctx", {}, 2).Message(),
              "ctx\r\nOne or more of the arguments could not be coerced.\r\n\r\nType mismatch.\r\n"
              "Incorrect Parameter: 2");
    EXPECT_EQ(Exception(DISP_E_PARAMNOTFOUND, "ctx", {}, -3).Message(),
              "ctx\r\nParameter not found.\r\n\r\nParameter not found.\r\n"
              "Incorrect Parameter (counting from the end): 2");
    EXPECT_EQ(Exception(DISP_E_UNKNOWNNAME, "ctx").Message(),
              "ctx\r\nUnknown name.\r\n\r\nUnknown name.");
    // A code the system has no text for, and one the table does not know either.
    EXPECT_EQ(Exception(Code(0x80041234), "ctx").Message(), "ctx\r\nUnknown error");
    EXPECT_EQ(Exception(E_FAIL, "ctx").Message(), "ctx\r\nUnknown error\r\n\r\nUnspecified error");
}

TEST(VarTypeNames, NameBaseTypesAndModifiers) {
    EXPECT_EQ(VarTypeName(VT_EMPTY), "VT_EMPTY");
    EXPECT_EQ(VarTypeName(VT_UI1), "VT_UI1");
    EXPECT_EQ(VarTypeName(VT_INT), "VT_INT");
    EXPECT_EQ(VarTypeName(VT_BYREF | VT_DISPATCH), "VT_BYREF|VT_DISPATCH");
    EXPECT_EQ(VarTypeName(VT_ARRAY | VT_VARIANT), "VT_ARRAY|VT_VARIANT");
    EXPECT_EQ(VarTypeName(15), "VT_15");
}
