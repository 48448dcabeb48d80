// tu_k-decode: decodes images for the program in a process of its own, so that an image made to
// take all memory or all time harms nothing but this process, which the program then ends.
// It reads requests from descriptor 3 (see DecodeProtocol.h) until the program closes it, opens
// no file itself and writes none.

#include "thumbnails/DecodeProtocol.h"
#include "thumbnails/decoder/Decode.h"

#include <QImageReader>
#include <csignal>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace tuk;

namespace {

constexpr int kRequests = 3;

void SetLimit(int resource, rlim_t value) {
    const rlimit limit{value, value};
    (void)setrlimit(resource, &limit); // a limit that cannot be set leaves the program's own
}

} // namespace

int main() {
    // Ends with the thread that started it, whatever ends that thread.
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() == 1)
        return 1;
    SetLimit(RLIMIT_CORE, 0);
    SetLimit(RLIMIT_FSIZE, 0);
#ifndef TUK_SANITIZE // the sanitizers reserve far more address space than any limit allows
    SetLimit(RLIMIT_AS, rlim_t(kDecoderAddressSpace));
#endif
    QImageReader::setAllocationLimit(kDecoderAllocationMiB);
    for (;;) {
        QByteArray frame;
        int fd = -1;
        if (!ReceiveFrame(kRequests, frame, &fd))
            return 0;
        DecodeRequest request;
        const bool understood = DecodeRequest::Decode(frame, request);
        const DecodeReply reply =
            understood && fd >= 0 ? DecodePictures(fd, request) : DecodeReply{};
        if (fd >= 0)
            close(fd);
        if (!SendFrame(kRequests, reply.Encode()))
            return 1;
    }
}
