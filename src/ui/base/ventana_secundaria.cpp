#include "ui/base/ventana_secundaria.h"

#include <QCloseEvent>
#include <QShortcut>

namespace tombolin {

VentanaSecundaria::VentanaSecundaria(const char* nombre, const QString& titulo, QWidget* padre)
    : QWidget(padre, Qt::Window) {
    setObjectName(QLatin1String(nombre));
    setWindowTitle(titulo);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
}

void VentanaSecundaria::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    // Over the middle of the window that opened it.
    if (const QWidget* padre = parentWidget()) {
        QRect propio = frameGeometry();
        propio.moveCenter(padre->window()->frameGeometry().center());
        move(propio.topLeft());
    }
}

void VentanaSecundaria::closeEvent(QCloseEvent* evento) {
    evento->accept();
    emit cerrada();
}

}  // namespace tombolin
