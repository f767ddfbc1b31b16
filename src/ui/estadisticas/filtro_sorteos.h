#pragma once

#include <QWidget>

class QCheckBox;
class QSlider;

namespace tombolin {

class SeleccionEstadistica;

// The boxes and the months slider that choose the statistics' draws, over the shared selection.
// The statistics page shows one with "Comparativa", the wizard's first step one without.
class FiltroSorteos : public QWidget {
    Q_OBJECT

  public:
    FiltroSorteos(SeleccionEstadistica& seleccion, bool conComparativa, QWidget* padre = nullptr);

  private:
    void Mostrar();

    SeleccionEstadistica& seleccion_;
    QCheckBox* dias_[3];
    QCheckBox* todos_;
    QCheckBox* ultimos_;
    QSlider* meses_;
    QCheckBox* comparativa_ = nullptr;
};

}  // namespace tombolin
