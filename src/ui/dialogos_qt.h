#pragma once

#include <QPointer>
#include <QWidget>

#include "core/dialogos.h"

namespace tombolin {

// The real boxes and dialogs: QMessageBox and QFileDialog over the given window.
class DialogosQt : public Dialogos {
  public:
    void PonerVentana(QWidget* ventana) { ventana_ = ventana; }

    Respuesta Mensaje(const QString& texto, Icono icono, Botones botones,
                      const QString& titulo) override;
    QString ElegirFichero(const QString& titulo, const QString& carpeta,
                          const QString& filtro) override;
    bool ElegirImpresora(Impresora& impresora) override;
    bool VistaPrevia(const QString& titulo,
                     const std::function<void(Impresora&)>& dibujar) override;
    void VerInforme(const QString& titulo, const QString& html) override;

  private:
    QPointer<QWidget> ventana_;
};

}  // namespace tombolin
