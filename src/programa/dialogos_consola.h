#pragma once

#include <QTextStream>

#include "core/dialogos.h"

namespace tombolin {

// The boxes of a run without a window, which nobody watches: each message is one line on
// `errores` ("Título: texto"), and a question takes its default answer, or the one that changes
// nothing (No, Cancelar), which the line says. There is nobody to choose a file or a printer.
class DialogosConsola : public Dialogos {
  public:
    explicit DialogosConsola(QTextStream& errores) : errores_(errores) {}

    QString ElegirFichero(const QString&, const QString&, const QString&) override { return {}; }
    QString GuardarFichero(const QString&, const QString&, const QString&) override { return {}; }
    bool ElegirImpresora(Impresora&) override { return false; }
    bool VistaPrevia(const QString&, const std::function<void(Impresora&)>&) override {
        return false;
    }
    void VerInforme(const QString&, const QString&) override {}

  protected:
    Respuesta MostrarMensaje(const QString& texto, Icono icono, Botones botones,
                             const QString& titulo, std::optional<Respuesta> porDefecto) override;

  private:
    QTextStream& errores_;
};

}  // namespace tombolin
