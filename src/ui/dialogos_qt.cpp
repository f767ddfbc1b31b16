#include "ui/dialogos_qt.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

#include "printing/impresora_qt.h"

namespace tombolin {

Respuesta DialogosQt::Mensaje(const QString& texto, Icono icono, Botones botones,
                              const QString& titulo) {
    QMessageBox caja(ventana_);
    caja.setWindowTitle(titulo);
    caja.setText(texto);
    switch (icono) {
        case Icono::Ninguno:
            caja.setIcon(QMessageBox::NoIcon);
            break;
        case Icono::Informacion:
            caja.setIcon(QMessageBox::Information);
            break;
        case Icono::Pregunta:
            caja.setIcon(QMessageBox::Question);
            break;
        case Icono::Exclamacion:
            caja.setIcon(QMessageBox::Warning);
            break;
        case Icono::Critico:
            caja.setIcon(QMessageBox::Critical);
            break;
    }
    switch (botones) {
        case Botones::Aceptar:
            caja.setStandardButtons(QMessageBox::Ok);
            break;
        case Botones::AceptarCancelar:
            caja.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case Botones::SiNo:
            caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Botones::SiNoCancelar:
            caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (caja.exec()) {
        case QMessageBox::Ok:
            return Respuesta::Aceptar;
        case QMessageBox::Yes:
            return Respuesta::Si;
        case QMessageBox::No:
            return Respuesta::No;
        default:
            return botones == Botones::SiNo ? Respuesta::No : Respuesta::Cancelar;
    }
}

QString DialogosQt::ElegirFichero(const QString& titulo, const QString& carpeta,
                                  const QString& filtro) {
    return QFileDialog::getOpenFileName(ventana_, titulo, carpeta, filtro);
}

}  // namespace tombolin

namespace tombolin {

bool DialogosQt::ElegirImpresora(Impresora& impresora) {
    auto* qt = dynamic_cast<ImpresoraQt*>(&impresora);
    if (!qt) return true;
    QPrintDialog dialogo(&qt->Printer(), ventana_);
    dialogo.setWindowTitle(QStringLiteral("Imprimir"));
    return dialogo.exec() == QDialog::Accepted;
}

}  // namespace tombolin
