#pragma once

#include <QWidget>

#include "core/estado.h"
#include "ui/servicios.h"

class QLineEdit;

namespace tombolin {

// The settings window "Configurar": the price of a bet and the longest period of the statistics,
// each written to the settings file as it is typed.
class Configurar : public QWidget {
    Q_OBJECT

  public:
    Configurar(Estado& estado, Servicios servicios, QWidget* padre = nullptr);

  signals:
    void cerrada();
    // The statistics' longest period changed.
    void mesesCambiados(int meses);

  protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

  private:
    void PrecioEditado(const QString& texto);
    void MesesEditados(const QString& texto);
    void Guardar();

    Estado& estado_;
    Servicios servicios_;
    QLineEdit* precio_;
    QLineEdit* meses_;
    bool errorAvisado_ = false;
};

}  // namespace tombolin
