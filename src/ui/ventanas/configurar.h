#pragma once

#include "ui/base/ventana_secundaria.h"

#include "core/estado.h"
#include "ui/base/servicios.h"

class QLabel;
class QLineEdit;

namespace tombolin {

// The settings window "Configurar": the price of a bet and the longest period of the statistics,
// each written to the settings file as it is typed; the main window shows them once it closes.
class Configurar : public VentanaSecundaria {
    Q_OBJECT

  public:
    Configurar(Estado& estado, Servicios servicios, QWidget* padre = nullptr);

  private:
    void PrecioEditado(const QString& texto);
    void MesesEditados(const QString& texto);
    void Guardar();

    Estado& estado_;
    Servicios servicios_;
    QLineEdit* precio_;
    QLabel* motivoPrecio_;  // why a price typed is not kept
    QLineEdit* meses_;
    bool errorAvisado_ = false;
};

}  // namespace tombolin
