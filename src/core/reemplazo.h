#pragma once

#include <QByteArray>
#include <QString>

#include "core/error.h"

namespace tombolin {

// Replaces the file `destino` by `contenido` so that a crash, a full disk or a failing write at
// any moment leaves either the old file or the new one whole: the content goes to `temporal`
// (in the same directory), is flushed to the disk, and is then renamed over `destino`. On
// failure `temporal` is removed and `destino` is left as it was. A `destino` that exists but may
// not be written is refused, as it would be if it were written in place.
Error EscribirYRenombrar(const QString& destino, const QString& temporal,
                         const QByteArray& contenido);

}  // namespace tombolin
