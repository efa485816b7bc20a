// Preloaded into a program under test: every allocation larger than
// TW_FAIL_ALLOCATIONS_OVER bytes fails, as when memory is exhausted.

#include <cerrno>
#include <cstddef>
#include <cstdlib>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
}

namespace {

std::size_t Limit() {
    static const std::size_t limit = [] {
        const char* text = std::getenv("TW_FAIL_ALLOCATIONS_OVER");
        return text ? static_cast<std::size_t>(std::strtoull(text, nullptr, 10)) : std::size_t(-1);
    }();
    return limit;
}

bool TooLarge(std::size_t size) {
    if (size <= Limit()) {
        return false;
    }
    errno = ENOMEM;
    return true;
}

}  // namespace

extern "C" void* malloc(std::size_t size) {
    return TooLarge(size) ? nullptr : __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) {
    return count != 0 && TooLarge(count * size) ? nullptr : __libc_calloc(count, size);
}

extern "C" void* realloc(void* block, std::size_t size) {
    return TooLarge(size) ? nullptr : __libc_realloc(block, size);
}
