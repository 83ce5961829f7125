#pragma once
// Heap set-up for a command that holds a whole large text several times over.
#include <cstddef>

// Grows the heap once by room for about `bytes` and asks for it to be backed by huge pages
// where the system allows. A page's text passes through several buffers as large as itself;
// with 4 KiB pages each first touch is a fault, and on a large page these faults cost more
// than the conversion. Does nothing where it cannot be done.
void ReserveLargeTextHeap(std::size_t bytes);
