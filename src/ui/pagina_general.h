#pragma once

#include <QWidget>
#include <vector>

#include "core/registros.h"

class QComboBox;
class QLabel;
class QSlider;

namespace tombolin {

// The "General" page: the controls that choose what the results views check — how many of the
// most recent draws, and which syndicate.
class PaginaGeneral : public QWidget {
    Q_OBJECT

public:
    explicit PaginaGeneral(QWidget* padre = nullptr);

    // The draw selector runs from 1 to the number of stored draws; disabled without draws.
    void PonerSorteosGuardados(int sorteos);
    int SorteosAComprobar() const;
    void PonerSorteosAComprobar(int n);
    // "TODAS LAS PEÑAS" and one entry per syndicate, or "No hay Peñas creadas".
    void LlenarSelectorPenas(const std::vector<Pena>& penas);

    QSlider* selector() const { return selector_; }
    QComboBox* selectorPenas() const { return penas_; }

private:
    QSlider* selector_;
    QLabel* valor_;
    QComboBox* penas_;
};

}  // namespace tombolin
