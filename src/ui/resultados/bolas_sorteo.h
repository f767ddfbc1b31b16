#pragma once

#include <QWidget>
#include <array>

#include "core/registros.h"

class QLabel;

namespace tombolin {

// The winning numbers of a draw where the eye goes: the six as balls in ascending order, then
// the complementario ("C"), the reintegro ("R") and the Joker. Each is a label of its own, so a
// screen reader reads every number, not a picture.
class BolasSorteo : public QWidget {
    Q_OBJECT

  public:
    explicit BolasSorteo(QWidget* padre = nullptr);
    // A draw without a date (no draws stored) shows nothing.
    void Poner(const Sorteo& sorteo);

  private:
    std::array<QLabel*, 6> numeros_{};
    QLabel* complementario_;
    QLabel* reintegro_;
    QLabel* joker_;
};

}  // namespace tombolin
