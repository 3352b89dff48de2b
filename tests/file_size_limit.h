// While a FileSizeLimit lives, no file of the process may grow beyond a few hundred bytes: a save
// fails half-way, as on a full disk.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace velmora {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes = 300) {
        getrlimit(RLIMIT_FSIZE, &Old);
        OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = Old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &Old);
        std::signal(SIGXFSZ, OldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit Old{};
    void (*OldHandler)(int) = nullptr;
};

} // namespace velmora
