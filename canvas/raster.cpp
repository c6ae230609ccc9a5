#include "canvas/raster.h"

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace canvas {

void fillWords(std::uint32_t* words, std::size_t count, std::uint32_t word) {
#if defined(__SSE2__)
    // Four megabytes: beyond most second-level caches.
    constexpr std::size_t kStreamedWords = std::size_t{1} << 20;
    if (count >= kStreamedWords) {
        std::size_t i = 0;
        for (; reinterpret_cast<std::uintptr_t>(words + i) % 16 != 0; ++i)
            words[i] = word;
        const __m128i four = _mm_set1_epi32(static_cast<int>(word));
        for (; i + 4 <= count; i += 4)
            _mm_stream_si128(reinterpret_cast<__m128i*>(words + i), four);
        _mm_sfence();
        std::fill(words + i, words + count, word);
        return;
    }
#endif
    std::fill(words, words + count, word);
}

} // namespace canvas
