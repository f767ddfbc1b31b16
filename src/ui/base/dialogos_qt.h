#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "core/dialogos.h"

class QMessageBox;

namespace tombolin {

// The box that `Mensaje` shows, made ready: its text, icon, buttons, title and default button.
void PrepararCaja(QMessageBox& caja, const QString& texto, Icono icono, Botones botones,
                  const QString& titulo, std::optional<Respuesta> porDefecto);

// The real boxes and dialogs: QMessageBox and QFileDialog over the given window.
class DialogosQt : public Dialogos {
  public:
    void PonerVentana(QWidget* ventana) { ventana_ = ventana; }

    QString ElegirFichero(const QString& titulo, const QString& carpeta,
                          const QString& filtro) override;
    QString GuardarFichero(const QString& titulo, const QString& sugerido,
                           const QString& filtro) override;
    bool ElegirImpresora(Impresora& impresora) override;
    bool VistaPrevia(const QString& titulo,
                     const std::function<void(Impresora&)>& dibujar) override;
    void VerInforme(const QString& titulo, const QString& html) override;
    // A busy bar with "Cancelar" over the window until `listo()` turns true.
    bool Esperar(const QString& texto, const QString& titulo,
                 const std::function<bool()>& listo) override;

  protected:
    Respuesta MostrarMensaje(const QString& texto, Icono icono, Botones botones,
                             const QString& titulo, std::optional<Respuesta> porDefecto) override;

  private:
    QPointer<QWidget> ventana_;
};

}  // namespace tombolin
