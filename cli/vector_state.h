#pragma once

// Marks the upper halves of the processor's AVX registers unused. Parsing the command
// line leaves them in use on processors with AVX, and until they are cleared each call
// from the program's own code into the C library's AVX code, its logarithms among
// them, stalls: a table of antennas was answered a quarter slower. Threads started
// afterwards begin clean. Does nothing on processors without AVX.
void clearVectorUpperHalves();
