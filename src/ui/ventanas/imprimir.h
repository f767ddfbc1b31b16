#pragma once

#include "ui/base/ventana_secundaria.h"

#include "core/estado.h"
#include "printing/boletos.h"
#include "ui/base/servicios.h"

class QCheckBox;
class QLineEdit;

namespace tombolin {

// The printing window "Imprimir boletos": the bets of the syndicate on show, on the operator's
// slips or on plain paper, with the two corrections of the printer's margin and a preview.
class Imprimir : public VentanaSecundaria {
    Q_OBJECT

  public:
    Imprimir(Estado& estado, Servicios servicios, QWidget* padre = nullptr);

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    OpcionesBoletos Opciones(Papel papel) const;
    void ImprimirEn(Papel papel);
    void VistaPrevia(Papel papel);
    void AjusteEditado(int indice, const QString& texto);
    void MostrarAjustes();

    Estado& estado_;
    Servicios servicios_;
    Pena pena_;
    QLineEdit* ajustes_[2];
    QCheckBox* jugarAl_;
    bool errorAvisado_ = false;
};

}  // namespace tombolin
