#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

#include <memory>

class QIcon;
class QToolButton;
class ZoneRoue;

// The one window: the wheel fills it, and a floating button in its
// top-left corner switches the ticks on and off.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void toggleSon();

private:
    void majIconeSon();

    ZoneRoue *zone;
    QToolButton *boutonSon;
    std::unique_ptr<QIcon> iconeSon;
    std::unique_ptr<QIcon> iconeSansSon;
    bool sonActif;
};

#endif
