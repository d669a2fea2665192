// The component frame and the server's entry points: class factories,
// aggregation, the unload decision, the process-wide decoder.
#include "server/exports.h"
#include "server/frame/factory.h"

#include "decoder/CDecodeTxLine.h"

#include <gtest/gtest.h>

namespace {

// An aggregating object that only counts the calls its inner object makes.
struct CountingOuter : IUnknown {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override
    {
        ++queries;
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--refs); }
    int refs = 1;
    int queries = 0;
};

// A component whose Init fails: the factory must destroy it.
struct IFailing : IUnknown {};
const IID IID_IFailing = {0x1A2B3C4D, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}};
int failingAlive = 0;

class CFailing : public CComponent<CFailing, IFailing> {
public:
    explicit CFailing(IUnknown* outer) : CComponent(outer) { ++failingAlive; }
    ~CFailing() override { --failingAlive; }
    HRESULT Init() override { return E_OUTOFMEMORY; }
    static const InterfaceEntry<CFailing>* InterfaceTable()
    {
        static const InterfaceEntry<CFailing> table[] = {
            {&IID_IFailing, [](CFailing* o) -> void* { return static_cast<IFailing*>(o); }, false},
            {nullptr, nullptr, false}};
        return table;
    }
};

IClassFactory* DecoderFactory()
{
    IClassFactory* factory = nullptr;
    EXPECT_EQ(DllGetClassObject(CLSID_CDecodeTxLine, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    return factory;
}

} // namespace

TEST(ClassFactory, UnknownClassLeavesTheOutputAlone)
{
    const CLSID other = {0x12345678, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    void* ppv = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(DllGetClassObject(other, IID_IClassFactory, &ppv), static_cast<HRESULT>(0x80040111));
    EXPECT_EQ(ppv, reinterpret_cast<void*>(0x1234));
}

TEST(ClassFactory, FactoryAnswersOnlyItsInterfaces)
{
    IClassFactory* factory = DecoderFactory();
    ASSERT_NE(factory, nullptr);
    void* p = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->QueryInterface(IID_IVelorTrDcd, &p), E_NOINTERFACE);
    EXPECT_EQ(p, nullptr);
    IUnknown* unknown = nullptr;
    EXPECT_EQ(factory->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
    EXPECT_EQ(unknown, static_cast<IUnknown*>(factory));
    unknown->Release();
    EXPECT_EQ(factory->Release(), 0u);
}

TEST(ClassFactory, CreatesACountedDecoder)
{
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
    IClassFactory* factory = DecoderFactory();
    IVelorTrDcd* decoder = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IVelorTrDcd, reinterpret_cast<void**>(&decoder)), S_OK);
    factory->Release();
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE);
    EXPECT_EQ(decoder->AddCommand(".x", 1), 0u);
    void* wrong = reinterpret_cast<void*>(1);
    EXPECT_EQ(decoder->QueryInterface(IID_IClassFactory, &wrong), E_NOINTERFACE);
    EXPECT_EQ(wrong, nullptr);
    EXPECT_EQ(decoder->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(ClassFactory, ServerLocksKeepTheModule)
{
    IClassFactory* factory = DecoderFactory();
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    factory->Release();
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE);
    factory = DecoderFactory();
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    factory->Release();
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(ClassFactory, FailedInitDestroysTheObject)
{
    CFactory<CFailing>* factory = new CFactory<CFailing>();
    void* p = &failingAlive;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IFailing, &p), E_OUTOFMEMORY);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(failingAlive, 0);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
    factory->Release();
}

TEST(Aggregation, OnlyTheUnknownMayBeAskedFor)
{
    CountingOuter outer;
    IClassFactory* factory = DecoderFactory();
    void* p = nullptr;
    EXPECT_EQ(factory->CreateInstance(&outer, IID_IVelorTrDcd, &p), static_cast<HRESULT>(0x80040110));
    EXPECT_EQ(DllCanUnloadNow(), S_OK);

    IUnknown* inner = nullptr;
    ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&inner)), S_OK);
    factory->Release();
    // The inner unknown is the non-delegating one: its queries do not reach the outer.
    IVelorTrDcd* decoder = nullptr;
    ASSERT_EQ(inner->QueryInterface(IID_IVelorTrDcd, reinterpret_cast<void**>(&decoder)), S_OK);
    EXPECT_EQ(outer.queries, 0);
    EXPECT_EQ(outer.refs, 2); // the interface's AddRef went to the outer
    // The interface's own unknown delegates to the outer.
    void* q = nullptr;
    EXPECT_EQ(decoder->QueryInterface(IID_IUnknown, &q), E_NOINTERFACE);
    EXPECT_EQ(outer.queries, 1);
    decoder->Release();
    EXPECT_EQ(outer.refs, 1);
    EXPECT_EQ(inner->Release(), 0u);
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(Aggregation, OuterGoneOnReleaseFallsBackToTheInner)
{
    // An outer whose Release reports -1 has gone: the inner takes its own
    // unknown back and drops the reference it was holding for it.
    struct VanishingOuter : CountingOuter {
        ULONG STDMETHODCALLTYPE Release() override { return 0xFFFFFFFFu; }
    } outer;
    CDecodeTxLine* object = new CDecodeTxLine(&outer);
    object->NondelegatingAddRef(); // the reference the interface pointer stands for
    IVelorTrDcd* decoder = object;
    EXPECT_EQ(decoder->Release(), 0xFFFFFFFFu);
    EXPECT_EQ(object->outer, static_cast<IUnknown*>(static_cast<INDUnknown*>(object)));
    EXPECT_EQ(object->refCount, 1);
    object->NondelegatingRelease();
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

TEST(StaticDecoder, OneDecoderForTheProcessKeepsTheModule)
{
    IVelorTrDcd* first = GetVelorTrDcdStat();
    IVelorTrDcd* second = GetVelorTrDcdStat();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->AddCommand(nullptr, 3), 0u);
    EXPECT_EQ(second->AddCommand(nullptr, 4), 1u); // the same object: one default already
    EXPECT_EQ(DllCanUnloadNow(), S_FALSE);
    ReleaseStaticDecoder();
    EXPECT_EQ(DllCanUnloadNow(), S_OK);
}
