#include "FastBmpConvert.h"

#include "FileBytes.h"
#include "ReplacingFile.h"
#include "dib/DibErrors.h"
#include "dib/DibFile.h"
#include "dib/DibFormat.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <malloc.h>
#include <new>
#include <string_view>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

struct Request {
    const char* in = nullptr;
    const char* out = nullptr;
    int format = 0;
    int quality = ConvertQualityLow;
};

// The plain forms only; anything the full parser would judge goes to it.
std::optional<Request> Parse(int argc, char** argv) {
    if (argc < 2 || std::string_view(argv[1]) != "bmp")
        return std::nullopt;
    std::vector<std::string_view> positional;
    bool qualityGiven = false;
    Request request;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--quality" && !qualityGiven && i + 1 < argc) {
            const std::string_view value = argv[++i];
            if (value != "low" && value != "high")
                return std::nullopt;
            request.quality = value == "high" ? ConvertQualityHigh : ConvertQualityLow;
            qualityGiven = true;
        } else if (arg.size() > 1 && arg.front() == '-') {
            return std::nullopt;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 4 || positional[0] != "convert")
        return std::nullopt;
    request.in = positional[1].data();
    request.out = positional[2].data();
    const std::optional<DibPixelFormat> format = DibPixelFormatFromName(positional[3]);
    if (!format)
        return std::nullopt;
    request.format = *format;
    return request;
}

// Closes the descriptor when the work is done, however it ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// A conversion works in about twelve times the file's size of fresh memory.
// Where the first touch of every 4 KiB page traps into the hypervisor, those
// faults cost more than the conversion itself: the heap takes its memory at
// the start, on huge pages where the system gives them, and keeps it for the
// allocations that follow.
void PrepareHeap(int64_t fileBytes) {
    constexpr size_t kHugePage = size_t(2) << 20;
    constexpr size_t kMost = size_t(32) << 20; // the largest block the heap will serve
    if (fileBytes < (int64_t(64) << 10))
        return;
    const size_t bytes = size_t(std::min<int64_t>(fileBytes * 12 + kHugePage, kMost - kHugePage));
    mallopt(M_MMAP_THRESHOLD, int(kMost));
    mallopt(M_TRIM_THRESHOLD, int(2 * kMost));
    void* block = std::malloc(bytes);
    if (!block)
        return;
    const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    auto range = [&](uintptr_t align, int advice) {
        const uintptr_t start = (uintptr_t(block) + align - 1) & ~(align - 1);
        const uintptr_t end = (uintptr_t(block) + bytes) & ~(align - 1);
        if (end > start)
            madvise(reinterpret_cast<void*>(start), end - start, advice);
    };
    range(kHugePage, MADV_HUGEPAGE);
    range(page, MADV_POPULATE_WRITE);
    std::free(block);
}

std::optional<int> Convert(const Request& request) {
    // Only regular files are replaced; the full program refuses anything else.
    struct stat target {};
    if (stat(request.out, &target) == 0 && !S_ISREG(target.st_mode))
        return std::nullopt;
    DibContent content;
    {
        FileDescriptor in(::open(request.in, O_RDONLY | O_CLOEXEC));
        struct stat info {};
        if (in.get() < 0 || fstat(in.get(), &info) != 0 || !S_ISREG(info.st_mode))
            return std::nullopt;
        PrepareHeap(info.st_size);
        FileByteSource source(in.get(), info.st_size);
        content = ReadDibFile(source);
    }
    // The default key colour, white, decides the one-bit conversion.
    if (auto converted =
            ConvertPixelFormat(content, request.format, request.quality, {}, 255, 255, 255))
        content = std::move(*converted);
    ReplacingFile out(request.out);
    if (!out.open())
        return std::nullopt;
    FileByteSink sink(out.fd());
    WriteDibFile(sink, content);
    if (!out.commit())
        throw EWriteError("Stream write error");
    return 0;
}

} // namespace

std::optional<int> FastBmpConvert(int argc, char** argv) {
    // A file size limit makes a write fail (EFBIG) instead of ending the
    // program half-way; the commands program inherits this.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::optional<Request> request = Parse(argc, argv);
    if (!request)
        return std::nullopt;
    // The messages and statuses of the full program's picture errors.
    try {
        return Convert(*request);
    } catch (const EPictureError& e) {
        std::fprintf(stderr, "%s\n", e.what());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "vellomar-cli: out of memory\n");
    }
    return 1;
}
