#include "mainwindow.h"

#include "zoneroue.h"

#include <QIcon>
#include <QToolButton>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent),
      zone(new ZoneRoue(QStringLiteral(DRAVOUNE_TIC), this)),
      boutonSon(new QToolButton(this)),
      iconeSon(new QIcon(QStringLiteral(":assets/sound.png"))),
      iconeSansSon(new QIcon(QStringLiteral(":assets/soundoff.png"))),
      sonActif(true)
{
    setWindowIcon(QIcon(QStringLiteral(":assets/grain.ico")));
    setWindowTitle(QString::fromUtf8("Dravoune"));
    setMinimumSize(600, 800);
    setCentralWidget(zone);

    boutonSon->setToolTip(QString::fromUtf8("Son on/off"));
    boutonSon->setIconSize(QSize(80, 80));
    boutonSon->setAutoFillBackground(true);
    boutonSon->setBackgroundRole(QPalette::Window);
    boutonSon->move(20, 20);
    majIconeSon();
    // Outside any layout the button would keep its default 100 x 30 size.
    boutonSon->resize(boutonSon->sizeHint());

    connect(boutonSon, SIGNAL(clicked()), this, SLOT(toggleSon()));
}

MainWindow::~MainWindow() = default;

void MainWindow::majIconeSon()
{
    boutonSon->setIcon(sonActif ? *iconeSon : *iconeSansSon);
}

void MainWindow::toggleSon()
{
    sonActif = !sonActif;
    majIconeSon();
    zone->setSonActif(sonActif);
}
