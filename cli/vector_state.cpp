#include "cli/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void zeroUpper()
{
    _mm256_zeroupper();
}

} // namespace

void clearVectorUpperHalves()
{
    if (__builtin_cpu_supports("avx"))
        zeroUpper();
}
#else
void clearVectorUpperHalves() { }
#endif
