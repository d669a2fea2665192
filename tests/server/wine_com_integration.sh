#!/usr/bin/env bash
# The module with clients that are not ours, under Wine, in a fresh prefix of
# its own: Wine's regsvr32 registers it, reg shows the keys, a host creates
# both classes through COM, and regsvr32 /u removes the keys again.
#
#   wine_com_integration.sh BIN_DIR PREFIX
set -uo pipefail
bin=$1
export WINEPREFIX=$2
export WINEDEBUG=-all LC_ALL=cs_CZ.UTF-8
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver64
failed=0
check() { if [ "$1" = 0 ]; then echo "ok   $2"; else echo "FAIL $2"; failed=1; fi; }

rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
trap '"$server" -k >/dev/null 2>&1' EXIT
"$server" -p </dev/null >/dev/null 2>&1
"$wine" wineboot -i </dev/null >/dev/null 2>&1

dll=$(cd "$bin" && pwd)/VelorTrDcd.dll
windll=$("$wine" winepath -w "$dll" 2>/dev/null | tr -d '\r')
decoder='HKCR\CLSID\{62CBC284-808B-11D7-BA15-00E07DD11238}'

"$wine" regsvr32 /s /u "$windll" </dev/null >/dev/null 2>&1
check $? "unregistering on a clean prefix succeeds"

"$wine" regsvr32 /s "$windll" </dev/null >/dev/null 2>&1
check $? "regsvr32 registers the module"
q=$("$wine" reg query 'HKCR\VelorTrDcd.1\CLSID' 2>/dev/null | tr -d '\r')
grep -q '{040E5DFB-EAC1-42CB-A02C-245644BA67CC}' <<<"$q"
check $? "VelorTrDcd.1\\CLSID names the evaluator's class"
q=$("$wine" reg query "$decoder\\InprocServer32" 2>/dev/null | tr -d '\r')
grep -qi 'VelorTrDcd.dll' <<<"$q" && grep -q 'Apartment' <<<"$q"
check $? "the decoder's InprocServer32 names the module, apartment threaded"
q=$("$wine" reg query "$decoder\\ProgID" 2>/dev/null | tr -d '\r')
grep -q 'VelorTrDcd.1' <<<"$q"
check $? "the decoder's ProgID is VelorTrDcd.1"

(cd "$bin" && "$wine" ./com_host.exe </dev/null 2>/dev/null | tr -d '\r')
check ${PIPESTATUS[0]} "the COM host creates, uses and unloads both classes"

"$wine" regsvr32 /s /u "$windll" </dev/null >/dev/null 2>&1
check $? "regsvr32 /u unregisters the module"
"$wine" reg query "$decoder" </dev/null >/dev/null 2>&1
[ $? -ne 0 ]
check $? "the class key is gone"
exit $failed
