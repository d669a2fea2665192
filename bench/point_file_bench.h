// The child side of the point-file memory measurement: this program run as
//   velor_bench --velor-memory-probe MODE PATH
// reads the file once (MODE "points": ReadPointFile, "lines": the system's
// line reader alone, "reference": the reference reader) and prints one line
//   base=B peak=P held=H points=N ok=1
// with its resident set before the reading, its peak during it and its
// resident set while the result is still held, in bytes.
#pragma once

namespace bench {

const char kMemoryProbeFlag[] = "--velor-memory-probe";

int MemoryProbeMain(int argc, char** argv);

} // namespace bench
