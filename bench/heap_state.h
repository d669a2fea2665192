// The heap's state between benchmark iterations.
#pragma once

namespace bench {

// Keeps the memory a benchmark frees inside the process (natively: glibc
// neither trims its heap nor maps large blocks on their own). On these
// virtual machines a page new to the process costs several times what
// the same page costs when reused, and how much depends on the host: a
// reader whose freed memory went back to the system paid for it again on
// every iteration, the next reader did not, and their ratio moved by a
// factor of three between runs. With the memory kept, every iteration after
// the first measures the reader's own work. The Windows heap keeps what is
// freed already.
void KeepFreedMemory();

// Gives the memory the benchmarks before freed back to the system (natively),
// so that a reader does not work in the small blocks another reader left:
// each point-file benchmark starts from it, then reads the file once to
// check the result, which also grows the heap its timed readings reuse.
void FreshHeap();

} // namespace bench
