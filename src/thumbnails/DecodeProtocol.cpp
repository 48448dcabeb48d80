#include "thumbnails/DecodeProtocol.h"

#include <QDataStream>
#include <QIODevice>
#include <QSize>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>

namespace tuk {

namespace {

constexpr quint32 kVersion = 2;
constexpr qsizetype kMaxFrame = qsizetype(256) << 20; // far beyond a 4096 px JPEG

bool Finished(QDataStream& in) {
    return in.status() == QDataStream::Ok && in.atEnd();
}

bool SendAll(int socket, const char* data, qsizetype size, int fd) {
    while (size > 0) {
        msghdr message{};
        iovec part{const_cast<char*>(data), static_cast<size_t>(size)};
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
        if (fd >= 0) {
            message.msg_control = control;
            message.msg_controllen = sizeof control;
            cmsghdr* header = CMSG_FIRSTHDR(&message);
            header->cmsg_level = SOL_SOCKET;
            header->cmsg_type = SCM_RIGHTS;
            header->cmsg_len = CMSG_LEN(sizeof(int));
            std::memcpy(CMSG_DATA(header), &fd, sizeof fd);
        }
        const ssize_t sent = sendmsg(socket, &message, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        data += sent;
        size -= sent;
        fd = -1;
    }
    return true;
}

} // namespace

QByteArray DecodeRequest::Encode() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kVersion << static_cast<qint32>(format) << upright << static_cast<qint32>(orientation)
        << background << static_cast<quint32>(longest.size());
    for (size_t i = 0; i < longest.size(); ++i)
        out << static_cast<qint32>(longest[i]) << comments.at(i);
    return bytes;
}

bool DecodeRequest::Decode(const QByteArray& bytes, DecodeRequest& request) {
    QDataStream in(bytes);
    quint32 version = 0, count = 0;
    qint32 format = 0, orientation = 0;
    in >> version >> format >> request.upright >> orientation >> request.background >> count;
    if (version != kVersion || count > 16)
        return false;
    request.format = static_cast<ImageFormat>(format);
    request.orientation = orientation;
    request.longest.resize(count);
    request.comments.resize(count);
    for (quint32 i = 0; i < count; ++i) {
        qint32 longest = 0;
        in >> longest >> request.comments[i];
        request.longest[i] = longest;
    }
    return Finished(in);
}

QByteArray DecodeReply::Encode() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kVersion << static_cast<quint32>(sizes.size());
    for (size_t i = 0; i < sizes.size(); ++i)
        out << sizes[i] << jpegs.at(i);
    return bytes;
}

bool DecodeReply::Decode(const QByteArray& bytes, DecodeReply& reply) {
    QDataStream in(bytes);
    quint32 version = 0, count = 0;
    in >> version >> count;
    if (version != kVersion || count > 16)
        return false;
    reply.sizes.resize(count);
    reply.jpegs.resize(count);
    for (quint32 i = 0; i < count; ++i)
        in >> reply.sizes[i] >> reply.jpegs[i];
    return Finished(in);
}

bool SendFrame(int socket, const QByteArray& payload, int fd) {
    const quint32 length = static_cast<quint32>(payload.size());
    return SendAll(socket, reinterpret_cast<const char*>(&length), sizeof length, fd) &&
           SendAll(socket, payload.constData(), payload.size(), -1);
}

bool ReceiveFrame(int socket, QByteArray& payload, int* fd) {
    *fd = -1;
    quint32 length = 0;
    qsizetype got = 0;
    char* into = reinterpret_cast<char*>(&length);
    qsizetype want = sizeof length;
    for (bool head = true;;) {
        while (got < want) {
            msghdr message{};
            iovec part{into + got, static_cast<size_t>(want - got)};
            message.msg_iov = &part;
            message.msg_iovlen = 1;
            alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
            message.msg_control = control;
            message.msg_controllen = sizeof control;
            const ssize_t n = recvmsg(socket, &message, MSG_CMSG_CLOEXEC);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            for (cmsghdr* c = CMSG_FIRSTHDR(&message); c; c = CMSG_NXTHDR(&message, c)) {
                if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_RIGHTS && *fd < 0)
                    std::memcpy(fd, CMSG_DATA(c), sizeof *fd);
            }
            got += n;
        }
        if (!head)
            return true;
        if (length > kMaxFrame)
            return false;
        head = false;
        payload.resize(length);
        into = payload.data();
        want = length;
        got = 0;
    }
}

FrameCollector::Got FrameCollector::Read(int socket) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = recv(socket, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        if (n <= 0)
            return Got::Closed;
        bytes_.append(buffer, n);
    }
    quint32 length = 0;
    if (bytes_.size() < qsizetype(sizeof length))
        return Got::More;
    std::memcpy(&length, bytes_.constData(), sizeof length);
    if (length > kMaxFrame)
        return Got::Closed;
    return bytes_.size() >= qsizetype(sizeof length) + qsizetype(length) ? Got::Frame : Got::More;
}

QByteArray FrameCollector::Take() {
    QByteArray payload = bytes_.mid(sizeof(quint32));
    bytes_.clear();
    return payload;
}

} // namespace tuk
