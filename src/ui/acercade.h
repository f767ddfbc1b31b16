#pragma once

#include <QWidget>

#include "core/estado.h"
#include "ui/servicios.h"

namespace tombolin {

// The about window: the program, the system it runs on, and the maker's web site and address.
class Acercade : public QWidget {
    Q_OBJECT

  public:
    Acercade(const Estado& estado, Servicios servicios, QWidget* padre = nullptr);

  signals:
    void cerrada();

  protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
};

}  // namespace tombolin
