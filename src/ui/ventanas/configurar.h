#pragma once

#include "ui/base/ventana_secundaria.h"

#include "core/estado.h"
#include "programa/comprobacion_automatica.h"
#include "ui/base/servicios.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tombolin {

// The settings window "Configurar": the price of a bet and the longest period of the statistics,
// each written to the settings file as it is typed; the main window shows them once it closes.
// And whether the installed program checks the draws by itself after each one (the user's timer,
// asked and switched without blocking the window).
class Configurar : public VentanaSecundaria {
    Q_OBJECT

  public:
    Configurar(Estado& estado, Servicios servicios, QWidget* padre = nullptr);

  private:
    void PrecioEditado(const QString& texto);
    void MesesEditados(const QString& texto);
    void Guardar();
    void AutomaticaPulsada(bool si);
    void MostrarAutomatica(const ComprobacionAutomatica::Situacion& s);

    Estado& estado_;
    Servicios servicios_;
    QLineEdit* precio_;
    QLabel* motivoPrecio_;  // why a price typed is not kept
    QLineEdit* meses_;
    ComprobacionAutomatica automatica_;
    QCheckBox* sola_;
    QLabel* estadoSola_;
    bool errorAvisado_ = false;
};

}  // namespace tombolin
