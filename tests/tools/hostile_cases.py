#!/usr/bin/env python3
"""velortrdcd on crafted and hostile input, each run as a separate process:
formats whose printed form is far longer than their text, long ".fmt" lines,
and generated files (random bytes, odd-length UTF-16, very long lines, many
empty lines, many separators, NUL bytes, repeated commands). Each run must end
by itself with an exit code the tool documents, with no sanitizer report,
within its time and with peak memory within a constant plus a small multiple
of the file's size.

    hostile_cases.py TOOL COUNT [RUNNER]

COUNT is how many generated files to read (the Windows build, started under
Wine, reads fewer). HOSTILE_SHARD=K/N in the environment runs the K-th of N
parts (the crafted cases in part 0, every N-th generated file from K), so
that the parts can run side by side; each part makes the same files.
"""
import os
import random
import subprocess
import sys
import tempfile
import time

tool, count = sys.argv[1], int(sys.argv[2])
runner = [a for a in sys.argv[3:4] if a]
native = not runner
shard, shards = (int(n) for n in os.environ.get("HOSTILE_SHARD", "0/1").split("/"))
passed = failed = 0
slowest = (0.0, "")
largest = (0, 0, "")  # peak bytes, file bytes, run
# Under the sanitizers the tool runs several times slower and its shadow
# memory adds a constant.
TIME_LIMIT = 60.0
MEMORY_CONSTANT = 600 * 1024 * 1024
MEMORY_FACTOR = 12
EXIT_CODES = set(range(0, 10)) | {64}


def check(name, condition, detail=""):
    global passed, failed
    if condition:
        passed += 1
    else:
        failed += 1
        print("FAIL " + name + ("\n  " + detail[:800] if detail else ""))


def run(work, args, size):
    """Runs the tool; returns (exit code, stdout, stderr, seconds, peak bytes)."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        start = time.monotonic()
        child = subprocess.Popen(runner + [tool, *args], cwd=work, stdin=subprocess.DEVNULL, stdout=out, stderr=err)
        pid, status, usage = os.wait4(child.pid, os.WNOHANG)
        while pid == 0 and time.monotonic() - start < TIME_LIMIT * 2:
            time.sleep(0.02)
            pid, status, usage = os.wait4(child.pid, os.WNOHANG)
        if pid == 0:
            child.kill()
            pid, status, usage = os.wait4(child.pid, 0)
        child.returncode = os.waitstatus_to_exitcode(status)
        seconds = time.monotonic() - start
        code = child.returncode
        peak = usage.ru_maxrss * 1024
        out.seek(0)
        err.seek(0)
        return code, out.read(), err.read().decode("utf-8", "replace"), seconds, peak


def survives(name, work, args, size, codes=EXIT_CODES):
    global slowest, largest
    code, out, err, seconds, peak = run(work, args, size)
    slowest = max(slowest, (seconds, name))
    largest = max(largest, (peak, size, name))
    check(name + ": ends with a documented exit code", code in codes, "exit %s\n%s" % (code, err[-600:]))
    check(name + ": no sanitizer report", "Sanitizer" not in err and "runtime error" not in err, err[-1200:])
    check(name + ": within the time", seconds <= TIME_LIMIT, "%.1f s" % seconds)
    if native:
        limit = MEMORY_CONSTANT + MEMORY_FACTOR * size
        check(name + ": peak memory", peak <= limit, "%d bytes for a file of %d" % (peak, size))
    return code, out, err


def write(work, name, data):
    with open(os.path.join(work, name), "wb") as f:
        f.write(data)
    return len(data)


def amplifying_format(fields):
    return "TCode(" + ";" * 1000 + ") " + " ".join(["TCode"] * fields)


def crafted_cases(work):
    long_fmt = " ".join(["Y", "X", "Z", "Name"] * 525)  # about 2,100 fields
    size = write(work, "long-fmt.txt", (".fmt " + long_fmt + "\r\n1 2 3 P1\r\n").encode())
    code, out, err = survives("read with a 2,100-field .fmt line", work, ["read", "long-fmt.txt"], size)
    check("read with a 2,100-field .fmt line: read whole", code == 0 and b"P1" in out, err[-400:])

    amplifying = amplifying_format(300)
    code, out, err = survives("format of an amplifying format", work, ["format", amplifying], len(amplifying))
    printed = out.decode("cp1250", "replace").strip()
    check("format of an amplifying format: printed whole", code == 0 and printed.count(";" * 1000) == 301,
          "%d bytes printed" % len(printed))

    size = write(work, "amplifying.txt", (".fmt " + amplifying + "\r\na b\r\n").encode())
    code, out, _ = survives("catalogue detect on an amplifying .fmt", work, ["catalogue", "detect", "amplifying.txt"],
                            size)
    check("catalogue detect on an amplifying .fmt: printed whole", out.count(b";" * 1000) == 301)
    if not native:
        return  # the real dialog waits for a user; its driven runs are the dialog tests'
    code, out, _ = survives("format-dialog on an amplifying .fmt", work, ["format-dialog", "amplifying.txt",
                                                                          "--ini", "empty.ini"], size, {0, 1})
    check("format-dialog on an amplifying .fmt: the format whole", code == 0 and out.count(b";" * 1000) == 301)


def hostile_file(rng, kind):
    if kind == 0:
        return bytes(rng.getrandbits(8) for _ in range(rng.randrange(1, 65536)))
    if kind == 1:  # UTF-16 with and without a mark, an odd number of bytes
        text = "\n".join("%d %d P%d" % (rng.randrange(10**6), rng.randrange(10**6), i) for i in range(500))
        data = text.encode("utf-16-le" if rng.random() < 0.5 else "utf-16-be")
        if rng.random() < 0.5:
            data = (b"\xff\xfe" if rng.random() < 0.5 else b"\xfe\xff") + data
        return data + b"\x00"[: rng.randrange(2)] + b"\x31"
    if kind == 2:  # one very long line
        return b"1 2 " + b"x" * rng.choice([1 << 16, 1 << 20, 50 << 20 if rng.random() < 0.05 else 1 << 22]) + b"\n"
    if kind == 3:
        return b"\n" * rng.choice([1000, 100000, 1000000])
    if kind == 4:  # separators
        return (b"1;2" + b";" * 100000 + b"\n") * rng.randrange(1, 4)
    if kind == 5:  # NUL bytes in lines
        return b"".join(b"P%d\x00X %d %d\n" % (i, i, i) if rng.random() < 0.3 else b"%d %d\n" % (i, i)
                        for i in range(rng.randrange(1, 2000)))
    words = [b".np", b".pp 1 2", b".db 3 4", b".tn text", b".sp", b".fmt Y X", b".zz", b"1 2", b".np St=x"]
    return b"\n".join(rng.choice(words) for _ in range(rng.randrange(1, 20000))) + b"\n"


def generated_cases(work):
    rng = random.Random(20261207)
    formats = [[], ["--format", "Y X Z Name"], ["--format", "Name Y X Z TCode sep(;)"], ["--format", "Y X cmt()"]]
    for i in range(count):
        kind = i % 7
        name = "hostile-%03d.txt" % i
        data = hostile_file(rng, kind)  # made for every file, so the random sequence is the same in every part
        if i % shards != shard:
            continue
        size = write(work, name, data)
        args = ["read", name, "--unknown", "skip", "--quiet", "--output", ["text", "json", "csv"][i % 3]]
        survives("%s (kind %d, %d bytes)" % (name, kind, size), work, args + formats[i % len(formats)], size)
        os.remove(os.path.join(work, name))


with tempfile.TemporaryDirectory() as work:
    write(work, "empty.ini", b"")
    if shard == 0:
        crafted_cases(work)
    generated_cases(work)
print("slowest run %.1f s: %s" % slowest)
if native:
    print("largest peak %.0f MiB for a file of %.1f MiB: %s" % (largest[0] / 2**20, largest[1] / 2**20, largest[2]))
print("%d passed, %d failed" % (passed, failed))
sys.exit(1 if failed else 0)
