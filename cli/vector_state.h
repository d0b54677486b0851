#pragma once

// Marks the upper halves of the processor's AVX registers unused. Qt's command-line
// parser leaves them in use (Qt 6.4, on a processor with AVX-512), and until they are
// cleared every call from the program's own code into the C library's AVX code, its
// logarithms among them, stalls: a table of antennas took 0.13 s rather than 0.10 s.
// Threads started afterwards begin clean. Does nothing on processors without AVX.
void clearVectorUpperHalves();
