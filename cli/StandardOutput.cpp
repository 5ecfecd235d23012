// Checking standard output at the end of a run.
#include "cli/StandardOutput.h"

#include "base/Errors.h"

#include <cerrno>
#include <iostream>

bool StandardOutputWritten(std::string_view tool) {
    // The stream keeps no reason of its own: the failed write has left it in errno, now or
    // when the stream failed (a run stops writing at once then).
    if (std::cout.good()) {
        errno = 0;
        std::cout.flush();
        if (std::cout.good())
            return true;
    }
    const int err = errno;
    std::cerr << tool << ": ошибка: не удалось записать стандартный вывод";
    if (err != 0)
        std::cerr << ": " << EInOutError::FromErrno(err).what();
    std::cerr << "\n";
    return false;
}
