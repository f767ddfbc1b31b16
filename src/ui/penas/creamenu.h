#pragma once

#include <vector>
#include "ui/base/ventana_secundaria.h"

#include "core/tablas.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace tombolin {

// The bet-mode chooser "Menú creación": simple bets, one multiple of a chosen size, or a reduced
// system from the tables file. The choice is handed on with `elegido`.
class Creamenu : public VentanaSecundaria {
    Q_OBJECT

  public:
    // The options, in the order of their indexes.
    enum Opcion { kMultiple = 0, kSencilla = 1, kReducida = 2 };

    Creamenu(const QString& ficheroTablas, QWidget* padre = nullptr);

  public slots:
    void ElegirModo(int opcion);
    void ElegirEntrada(int entrada);

  signals:
    // The bet mode (0 simple, 1..6 multiple code, 7 reduced) and, for a reduced system, the table
    // as it was listed. The window closes after it.
    void elegido(int modo, const tombolin::TablaReducida* tabla);

  protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    void Parpadear();

    QString ficheroTablas_;
    std::vector<TablaReducida> tablas_;
    QButtonGroup* opciones_;
    QComboBox* lista_;
    QLabel* pista_;
    QTimer* parpadeo_;
    int tics_ = 0;
    bool hecho_ = false;
};

}  // namespace tombolin
