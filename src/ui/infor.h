#pragma once

#include <QTextBrowser>
#include <QWidget>

#include "ui/servicios.h"

class QPushButton;
class QTimer;

namespace tombolin {

struct Estado;

// The news of the maker's site, fetched into the news file when there is a syndicate and the
// newest draw held is three days old or more. True when there is news to show: the file
// grew past 300 bytes and changed size. A new address of the site in it is kept in the settings.
bool TraerNoticias(Estado& estado, Transferencia& noticias, QDate hoy);

// Shows the news file as the HTML it is, but as a document only: no scripts, nothing fetched
// from anywhere (remote or local), and links handed to the user's browser.
class NavegadorNoticias : public QTextBrowser {
    Q_OBJECT

  public:
    explicit NavegadorNoticias(QWidget* padre = nullptr);
    QVariant loadResource(int tipo, const QUrl& nombre) override;
};

// The news window "Noticias del jefe...": always on top at the top-left corner, with the news
// file, a contact label that moves to and fro, and a close label.
class Infor : public QWidget {
    Q_OBJECT

  public:
    Infor(const QString& ficheroNoticias, Servicios servicios, QWidget* padre = nullptr);

  public slots:
    // One step of the contact label (every 100 ms).
    void Mover();

  private:
    Servicios servicios_;
    NavegadorNoticias* navegador_;
    QWidget* carril_;
    QPushButton* contacto_;
    QPushButton* cerrar_;
    QTimer* reloj_;
    int paso_ = 1;
};

}  // namespace tombolin
