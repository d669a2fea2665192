// The frame shared by the server's components: reference counting, the
// non-delegating unknown for aggregation, interface tables, and the count of
// live objects that decides whether the module may be unloaded.
#pragma once

#include "platform/platform.h"

// Live component objects and outstanding LockServer locks, process-wide.
extern volatile LONG objectCount;
extern volatile LONG lockCount;

// The non-delegating unknown. As an IUnknown of its own (what an aggregating
// object holds, and what a component that is not aggregated delegates to) it
// answers with its non-delegating operations.
class INDUnknown : public IUnknown {
public:
    virtual HRESULT STDMETHODCALLTYPE NondelegatingQueryInterface(REFIID riid, void** ppv) = 0;
    virtual ULONG STDMETHODCALLTYPE NondelegatingAddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE NondelegatingRelease() = 0;
    virtual ~INDUnknown() = default;
    // Called by the class factory after construction; a negative result
    // destroys the new object.
    virtual HRESULT Init() { return 0; }
    // Called once before the object destroys itself.
    virtual void FinalRelease() {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) final
    {
        return NondelegatingQueryInterface(riid, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() final { return NondelegatingAddRef(); }
    ULONG STDMETHODCALLTYPE Release() final { return NondelegatingRelease(); }
};

// Placeholders for further interfaces of a component; they add nothing.
struct _IVoid2 {};
struct _IVoid3 {};
struct _IVoid4 {};
struct _IVoid5 {};
struct _IVoid6 {};

// One entry of a component's interface table: the interface id, where the
// interface stands in the object, and whether the query is passed on to an
// interface pointer stored there. The table ends with an entry whose iid is
// null.
template <class T>
struct InterfaceEntry {
    const IID* iid;
    void* (*locate)(T* object);
    bool delegate;
};

// The interface's own unknown: every call goes to the outer unknown.
template <class I>
class CDelegatingUnknown : public I {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) final
    {
        return OuterUnknown()->QueryInterface(riid, ppv);
    }
    ULONG STDMETHODCALLTYPE AddRef() final { return OuterUnknown()->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() final { return DelegatingRelease(); }

protected:
    virtual IUnknown* OuterUnknown() = 0;
    virtual ULONG DelegatingRelease() = 0;
};

template <class T, class I, class V2 = _IVoid2, class V3 = _IVoid3, class V4 = _IVoid4, class V5 = _IVoid5,
          class V6 = _IVoid6>
class CComponent : public INDUnknown, public CDelegatingUnknown<I>, public V2, public V3, public V4, public V5,
                   public V6 {
public:
    explicit CComponent(IUnknown* outerUnknown)
        : outer(outerUnknown ? outerUnknown : OwnUnknown()), refCount(1)
    {
        InterlockedIncrement(&objectCount);
    }
    ~CComponent() override { InterlockedDecrement(&objectCount); }

    CComponent(const CComponent&) = delete;
    CComponent& operator=(const CComponent&) = delete;

    HRESULT STDMETHODCALLTYPE NondelegatingQueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (IsEqualGUID(riid, IID_IUnknown)) {
            *ppv = static_cast<INDUnknown*>(this);
            NondelegatingAddRef();
            return S_OK;
        }
        for (const InterfaceEntry<T>* e = T::InterfaceTable(); e->iid; ++e) {
            if (!IsEqualGUID(riid, *e->iid))
                continue;
            void* place = e->locate(static_cast<T*>(this));
            if (e->delegate) {
                IUnknown* inner = *static_cast<IUnknown**>(place);
                if (!inner)
                    break;
                return inner->QueryInterface(riid, ppv);
            }
            *ppv = place;
            static_cast<IUnknown*>(place)->AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }

    ULONG STDMETHODCALLTYPE NondelegatingAddRef() override
    {
        return static_cast<ULONG>(InterlockedIncrement(&refCount));
    }

    ULONG STDMETHODCALLTYPE NondelegatingRelease() override
    {
        const LONG count = InterlockedDecrement(&refCount);
        if (count != 0)
            return static_cast<ULONG>(count);
        FinalRelease();
        delete this;
        return 0;
    }

    // The unknown the interfaces delegate to: the aggregating object, or this
    // component's own non-delegating unknown.
    IUnknown* outer;
    volatile LONG refCount;

protected:
    IUnknown* OuterUnknown() override { return outer; }

    ULONG DelegatingRelease() override
    {
        const ULONG count = outer->Release();
        if (count == 0xFFFFFFFFu && outer != OwnUnknown()) {
            outer = OwnUnknown();
            NondelegatingRelease();
        }
        return count;
    }

private:
    IUnknown* OwnUnknown() { return static_cast<INDUnknown*>(this); }
};
