#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace tombolin {

class DatosPrograma;
struct Actualizacion;

// Above the tab strip: the last draw held, the next draw with its countdown, the blinking
// warning when draws are missing, the "updating" note, and the download bar at the right.
class CabeceraSorteos : public QWidget {
    Q_OBJECT

  public:
    // It follows the draws as `datos` reads them.
    CabeceraSorteos(const DatosPrograma& datos, QWidget* barraDescarga, QWidget* padre = nullptr);

    // The program ends: nothing blinks any more.
    void Parar();

  private:
    void Mostrar(const Actualizacion& a);

    QLabel* ultimoSorteo_;
    QLabel* proximoSorteo_;
    QLabel* cuentaAtras_;
    QLabel* aviso_;
    QTimer* parpadeo_;
};

}  // namespace tombolin
