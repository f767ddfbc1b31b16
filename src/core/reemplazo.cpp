#include "core/reemplazo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

namespace tombolin {

namespace {

bool EscribirTodo(int fd, const QByteArray& contenido) {
    const char* p = contenido.constData();
    qint64 quedan = contenido.size();
    while (quedan > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(quedan));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        quedan -= n;
    }
    return true;
}

// Makes the rename itself durable.
void SincronizarCarpeta(const QByteArray& carpeta) {
    const int fd = ::open(carpeta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

Error EscribirYRenombrar(const QString& destino, const QString& temporal,
                         const QByteArray& contenido) {
    const QByteArray dst = QFile::encodeName(destino);
    const QByteArray tmp = QFile::encodeName(temporal);

    mode_t modo = 0644;
    struct stat st {};
    if (::stat(dst.constData(), &st) == 0) {
        if (::access(dst.constData(), W_OK) != 0) return Error::DeErrno(errno);
        modo = st.st_mode & 07777;
    }

    const int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, modo);
    if (fd < 0) return Error::DeErrno(errno);
    bool bien = EscribirTodo(fd, contenido) && ::fsync(fd) == 0;
    int fallo = bien ? 0 : errno;
    if (::close(fd) != 0 && bien) {
        bien = false;
        fallo = errno;
    }
    if (bien && std::rename(tmp.constData(), dst.constData()) != 0) {
        bien = false;
        fallo = errno;
    }
    if (!bien) {
        ::unlink(tmp.constData());
        return Error::DeErrno(fallo);
    }
    SincronizarCarpeta(QFile::encodeName(QFileInfo(destino).absolutePath()));
    return {};
}

}  // namespace tombolin
