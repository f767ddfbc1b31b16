#pragma once

#include <QWidget>

namespace tombolin {

// Puts a secondary window over the middle of the window that opened it.
inline void CentrarSobrePadre(QWidget* ventana) {
    const QWidget* padre = ventana->parentWidget();
    if (!padre) return;
    const QRect marco = padre->window()->frameGeometry();
    QRect propio = ventana->frameGeometry();
    propio.moveCenter(marco.center());
    ventana->move(propio.topLeft());
}

}  // namespace tombolin
