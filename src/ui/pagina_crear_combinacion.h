#pragma once

#include <QWidget>

class QToolButton;

namespace tombolin {

// The "Crear Combinación" page: where a new syndicate is started.
class PaginaCrearCombinacion : public QWidget {
    Q_OBJECT

  public:
    explicit PaginaCrearCombinacion(QWidget* padre = nullptr);
    void PermitirCambios(bool si, const QString& porque);

  signals:
    void crearPena();

  private:
    QToolButton* crear_;
};

}  // namespace tombolin
