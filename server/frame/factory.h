// The class factory of a component class T: creates T objects, optionally
// inside an aggregating object, and holds server locks.
#pragma once

#include "server/frame/component.h"

#include <new>

template <class T>
class CFactory : public IClassFactory {
public:
    CFactory() = default;
    virtual ~CFactory() = default;
    CFactory(const CFactory&) = delete;
    CFactory& operator=(const CFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_IClassFactory)) {
            *ppv = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refCount)); }

    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG count = InterlockedDecrement(&refCount);
        if (count == 0)
            delete this;
        return static_cast<ULONG>(count);
    }

    // An aggregating object may only ask for the non-delegating unknown. The
    // new object lives on only if the query handed out a reference. The
    // out-pointer is cleared first, so that no failure leaves it stale.
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        *ppv = nullptr;
        if (outer && !IsEqualGUID(riid, IID_IUnknown))
            return CLASS_E_NOAGGREGATION;
        T* object = new (std::nothrow) T(outer);
        if (!object)
            return E_OUTOFMEMORY;
        HRESULT hr = object->Init();
        if (hr >= 0)
            hr = object->NondelegatingQueryInterface(riid, ppv);
        object->NondelegatingRelease();
        return hr;
    }

    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        if (lock)
            InterlockedIncrement(&lockCount);
        else
            InterlockedDecrement(&lockCount);
        return S_OK;
    }

    volatile LONG refCount = 1;
};

// A new factory for T queried for riid; E_OUTOFMEMORY when it cannot be made.
template <class T>
HRESULT GetFactory(REFIID riid, void** ppv)
{
    CFactory<T>* factory = new (std::nothrow) CFactory<T>();
    if (!factory)
        return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(riid, ppv);
    factory->Release();
    return hr;
}
