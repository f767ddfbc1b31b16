#include "core/error.h"

#include <cerrno>
#include <cstring>

namespace tombolin {

Error Error::DeErrno(int e) {
    Error r;
    switch (e) {
        case 0:
            return r;
        case ENOENT:
        case ENOTDIR:
            r.Numero = kNoEncontrado;
            break;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            r.Numero = kAcceso;
            break;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            r.Numero = kDiscoLleno;
            break;
        default:
            r.Numero = kEntradaSalida;
            break;
    }
    r.Detalle = QString::fromLocal8Bit(std::strerror(e));
    return r;
}

}  // namespace tombolin
