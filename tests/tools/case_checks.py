"""The tally of a case script: each check printed as ok or FAIL (with what
was seen), and the summary line with the script's exit code."""

passed = 0
failed = 0


def check(name, condition, detail=""):
    global passed, failed
    if condition:
        passed += 1
        print("ok   " + name)
    else:
        failed += 1
        print("FAIL " + name + ("\n  " + str(detail)[:1200] if detail else ""))


def summary():
    """Prints the counts; the exit code: 1 when a check failed."""
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0
