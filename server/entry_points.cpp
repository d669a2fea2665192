// DllGetClassObject and DllCanUnloadNow: the factories of the two classes and
// the server's lifetime.
#include "server/exports.h"

#include "VelorTrCounter.h"
#include "counter/CAtCounterI.h"
#include "decoder/CDecodeTxLine.h"
#include "server/frame/factory.h"

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv)
{
    if (IsEqualGUID(rclsid, CLSID_CDecodeTxLine))
        return GetFactory<CDecodeTxLine>(riid, ppv);
    if (IsEqualGUID(rclsid, CLSID_CAtCounterI))
        return GetFactory<CAtCounterI>(riid, ppv);
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow(void)
{
    const LONG objects = InterlockedCompareExchange(&objectCount, 0, 0);
    const LONG locks = InterlockedCompareExchange(&lockCount, 0, 0);
    return objects != 0 || locks != 0 ? S_FALSE : S_OK;
}
