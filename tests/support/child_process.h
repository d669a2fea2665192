// Test support: runs one test of the running test program in a child
// process.
#pragma once

// Starts this test program again with a filter that runs only testName
// ("Suite.DISABLED_Name": a disabled test, so that it runs only when asked
// for) and with the environment variable VELOR_CHILD_PARAMETER set to
// parameter; waits for it to end and returns its exit code (0 when the test
// passed), or -1 when it could not be started or did not end in time.
int RunChildTest(const char* testName, const char* parameter);

// The parameter a child test was started with, or null outside a child.
const char* ChildTestParameter();

// A child test that runs while its parent goes on: started as RunChildTest
// starts it, but not waited for.
struct RunningChild {
    long long id = -1; // the process (its handle on Windows); -1: none
    bool Started() const { return id != -1; }
};
RunningChild StartChildTest(const char* testName, const char* parameter);
// Ends the child at once, wherever it is (TerminateProcess on Windows,
// SIGKILL natively), and waits until it is gone. False when it could not be
// ended.
bool KillChildTest(RunningChild& child);
