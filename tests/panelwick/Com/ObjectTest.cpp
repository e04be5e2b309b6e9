#include <gtest/gtest.h>

#include <array>
#include <thread>

#include "FakeServer.h"
#include "panelwick/Com/Apartment.h"
#include "panelwick/Com/Exception.h"
#include "panelwick/Com/Object.h"

using namespace Com;

namespace {

// The message of the exception the call throws, or "no exception".
template <typename F>
std::string Thrown(F&& call) {
    try {
        call();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no exception";
}

class ComObject : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterFakeServer(&created);
        server.CreateInstance("Fake.Server");
        ASSERT_EQ(created.size(), 1u);
    }
    FakeServer& fake() { return *created[0]; }

    Apartment apartment;
    std::vector<std::shared_ptr<FakeServer>> created;
    Object server;
};

}  // namespace

TEST_F(ComObject, CallsMembersByNameWithArgumentsInReverseOrder) {
    EXPECT_EQ(server.name(), "Fake.Server");
    EXPECT_EQ(server.clsid()[0], 1);
    EXPECT_FALSE(server.typeInfoLoaded());

    std::array<Variant, 2> args{Variant::Int(10), Variant::Int(1)};
    Variant sum;
    server.InvokeToValue("add", args, sum, DISPATCH_METHOD);
    EXPECT_EQ(sum.vt, VT_I4);
    EXPECT_EQ(sum.intVal, 11);
    ASSERT_EQ(fake().calls.size(), 1u);
    EXPECT_EQ(fake().calls[0].args[0].vt, VT_I4);  // converted by the server
    EXPECT_EQ(fake().calls[0].args[0].intVal, 1);

    std::array<Variant, 1> label{Variant::Bstr(u"Title")};
    Variant ignored;
    server.InvokeToValue("Label", label, ignored, DISPATCH_PROPERTYPUT);
    EXPECT_EQ(fake().label, u"Title");
    Variant read;
    server.InvokeToValue("Label", {}, read, DISPATCH_PROPERTYGET);
    EXPECT_EQ(read.bstrVal, u"Title");

    Object child("stale name");
    server.InvokeToObject("Child", {}, child, DISPATCH_PROPERTYGET);
    EXPECT_FALSE(child.empty());
    EXPECT_EQ(child.name(), "Child");

    std::array<Variant, 1> reference{Variant::Dispatch(child.dispatch())};
    server.InvokeToValue("Child", reference, ignored, DISPATCH_PROPERTYPUTREF);
    EXPECT_EQ(fake().child, child.dispatch());
    EXPECT_EQ(fake().calls.back().kind, DISPATCH_PROPERTYPUTREF);

    server.Clear(true);
    EXPECT_TRUE(server.empty());
    EXPECT_EQ(server.name(), "");
}

TEST_F(ComObject, FailuresCarryTheContextSignatureAndServerTexts) {
    EXPECT_EQ(Thrown([&] { server.Call("Fail"); }),
              "Fake.Server.Fail.IDispatch.Invoke\r\n\r\nMethod Fail() returns VT_VARIANT\r\n"
              " raised an exception\r\n\r\nSource: Fake\r\nDescription: It broke\r\n"
              "Help File: fake.hlp\r\nCode: 7\r\nHelp Context: 42");
    EXPECT_EQ(Thrown([&] { server.Call("Nope"); }),
              "Fake.Server.Nope.IDispatch.GetIDsOfNames\r\nUnknown name.\r\n\r\nUnknown name.");

    std::array<Variant, 1> text{Variant::Bstr(u"x")};
    Variant result = Variant::I4(5);
    EXPECT_EQ(Thrown([&] { server.InvokeToValue("Add", text, result, DISPATCH_METHOD); }),
              "Fake.Server.Add.IDispatch.Invoke\r\n\r\nMethod Add(VT_BSTR) returns VT_VARIANT\r\n"
              "\r\nOne or more of the arguments could not be coerced.\r\n\r\nType mismatch.\r\n"
              "Incorrect Parameter (counting from the end): 0");
    EXPECT_EQ(result.vt, VT_EMPTY);

    // Names are kept to 32 characters.
    Object nothing("Empty678901234567890123456789012345");
    EXPECT_EQ(nothing.name(), "Empty678901234567890123456789012");
    nothing = Object("Empty");
    EXPECT_EQ(Thrown([&] { nothing.Call("Go"); }),
              "Empty.Go.IDispatch.GetIDsOfNames\r\nInvalid pointer.\r\n\r\nInvalid pointer");
}

TEST_F(ComObject, CreatingFailsForUnregisteredClassesAndUninitialisedThreads) {
    Object missing;
    EXPECT_EQ(Thrown([&] { missing.CreateInstance("No.Such.Server"); }),
              "No.Such.Server\r\nThe registered CLSID for the ProgID is invalid.\r\n\r\n"
              "Invalid class string");
    EXPECT_TRUE(missing.empty());

    std::string message;
    std::thread([&] {
        Object other;
        message = Thrown([&] { other.CreateInstance("Fake.Server"); });
    }).join();
    EXPECT_EQ(message, "Fake.Server.CreateInstance.IDispatch\r\nUnknown error\r\n\r\n"
                       "CoInitialize has not been called.");
}

TEST_F(ComObject, TypeInformationChecksArgumentsBeforeTheServerIsCalled) {
    server.LoadTypeInfo();
    EXPECT_TRUE(server.typeInfoLoaded());
    EXPECT_EQ(server.memberCount(), 6u);

    Variant result;
    std::array<Variant, 2> leftOut{Variant::Missing(), Variant::Missing()};
    EXPECT_EQ(Thrown([&] { server.InvokeToValue("Add", leftOut, result, DISPATCH_METHOD); }),
              "Fake.Server.Add takes 2 parameters, they were provided 2\r\n\r\n"
              "Method Add(VT_I4, VT_I4) returns VT_I4\r\n\r\n\r\n"
              "The number of elements provided to DISPPARAMS is different from the number of "
              "arguments accepted by the method or property.\r\n\r\nInvalid number of parameters.");
    std::array<Variant, 1> wrongType{Variant::Int(1)};
    EXPECT_EQ(Thrown([&] { server.InvokeToValue("Add", wrongType, result, DISPATCH_METHOD); }),
              "Fake.Server.Add cannot convert parameter 0 from VT_INT to VT_I4\r\n\r\n"
              "Method Add(VT_I4, VT_I4) returns VT_I4\r\n\r\n\r\n"
              "One or more of the arguments could not be coerced.\r\n\r\nType mismatch.\r\n"
              "Incorrect Parameter: 0");
    EXPECT_EQ(Thrown([&] { server.Call("Nope"); }),
              "Fake.Server.Nope.IDispatch.GetIDsOfNames DISPID not found\r\nUnknown name.\r\n\r\n"
              "Unknown name.");
    EXPECT_TRUE(fake().calls.empty());

    // A left-out optional argument at the end is fine.
    std::array<Variant, 2> optional{Variant::Missing(), Variant::I4(5)};
    server.InvokeToValue("Add", optional, result, DISPATCH_METHOD);
    EXPECT_EQ(result.intVal, 5);
    EXPECT_EQ(fake().calls.size(), 1u);

    Object child;
    server.InvokeToObject("Child", {}, child, DISPATCH_PROPERTYGET);
    EXPECT_TRUE(child.typeInfoLoaded());
    EXPECT_EQ(child.memberCount(), 6u);
}
