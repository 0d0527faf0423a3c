// The local-memory functions that host and plug-ins share. Handles are
// numbers looked up in one table, so a plug-in's stray or made-up handle is
// refused instead of dereferenced.
#include "SpiAbi.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace {

struct Block {
    void* data;
    size_t size;
    int locks;
};

// Larger blocks than this are refused: no picture needs them.
constexpr size_t kMaxBlock = size_t(1) << 31;

std::mutex g_mutex;
std::unordered_map<HLOCAL, Block> g_blocks;
HLOCAL g_next = 1;

} // namespace

extern "C" {

HLOCAL LocalAlloc(UINT flags, size_t bytes) {
    if (bytes > kMaxBlock)
        return 0;
    // malloc(0) may give NULL; every live block has an address.
    void* data = (flags & LMEM_ZEROINIT) ? std::calloc(bytes ? bytes : 1, 1)
                                         : std::malloc(bytes ? bytes : 1);
    if (!data)
        return 0;
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_blocks.size() >= 0xFFFFFFF0u) {
        std::free(data);
        return 0;
    }
    while (g_next == 0 || g_blocks.count(g_next))
        ++g_next;
    const HLOCAL handle = g_next++;
    g_blocks.emplace(handle, Block{data, bytes, 0});
    return handle;
}

void* LocalLock(HLOCAL handle) {
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_blocks.find(handle);
    if (it == g_blocks.end())
        return nullptr;
    ++it->second.locks;
    return it->second.data;
}

int LocalUnlock(HLOCAL handle) {
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_blocks.find(handle);
    if (it == g_blocks.end() || it->second.locks == 0)
        return 0;
    return --it->second.locks > 0;
}

HLOCAL LocalFree(HLOCAL handle) {
    void* data = nullptr;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        auto it = g_blocks.find(handle);
        if (it == g_blocks.end())
            return handle;
        data = it->second.data;
        g_blocks.erase(it);
    }
    std::free(data);
    return 0;
}

size_t LocalSize(HLOCAL handle) {
    std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_blocks.find(handle);
    return it == g_blocks.end() ? 0 : it->second.size;
}

size_t LocalBlockCount(void) {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_blocks.size();
}

} // extern "C"
