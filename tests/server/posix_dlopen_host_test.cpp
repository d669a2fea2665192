// A native host: loads libVelorTrDcd.so, creates both classes through its
// DllGetClassObject, uses them, and unloads it.
#include "VelorTrCounter.h"
#include "VelorTrDcd.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#ifndef VELOR_MODULE_PATH
#error "VELOR_MODULE_PATH names the module under test"
#endif

namespace {

typedef HRESULT (*GetClassObject)(REFCLSID, REFIID, void**);
typedef HRESULT (*CanUnloadNow)();

template <class I>
I* Create(GetClassObject get, REFCLSID clsid, REFIID iid)
{
    IClassFactory* factory = nullptr;
    if (get(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)) != S_OK || !factory)
        return nullptr;
    I* object = nullptr;
    factory->CreateInstance(nullptr, iid, reinterpret_cast<void**>(&object));
    factory->Release();
    return object;
}

} // namespace

TEST(NativeHost, LoadsCreatesAndUnloadsTheModule)
{
    void* module = dlopen(VELOR_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    auto get = reinterpret_cast<GetClassObject>(dlsym(module, "DllGetClassObject"));
    auto canUnload = reinterpret_cast<CanUnloadNow>(dlsym(module, "DllCanUnloadNow"));
    ASSERT_TRUE(get && canUnload);
    EXPECT_NE(dlsym(module, "GetVelorTrDcdStat"), nullptr);
    EXPECT_NE(dlsym(module, "FromDtmEx"), nullptr);
    EXPECT_NE(dlsym(module, "DllRegisterServer"), nullptr);

    IVelorTrDcd* decoder = Create<IVelorTrDcd>(get, CLSID_CDecodeTxLine, IID_IVelorTrDcd);
    ASSERT_NE(decoder, nullptr);
    double yes = 0, no = 0;
    EXPECT_EQ(decoder->GetYesNoValues(&yes, &no), 0u);
    EXPECT_EQ(no, -1.23456789e300);

    IVelorTrCounter* counter = Create<IVelorTrCounter>(get, CLSID_CAtCounterI, IID_IVelorTrCounter);
    ASSERT_NE(counter, nullptr);
    double value = 0;
    int32_t status = -9;
    const char* end = nullptr;
    EXPECT_EQ(counter->Compute("2 * (3 + 4)", nullptr, &end, &value, &status), 0u);
    EXPECT_EQ(value, 14.0);

    EXPECT_EQ(canUnload(), S_FALSE);
    decoder->Release();
    counter->Release();
    EXPECT_EQ(canUnload(), S_OK);
    EXPECT_EQ(dlclose(module), 0);
}
