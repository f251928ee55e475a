#include "placement.h"

#include <QtTest>

void placer(QWidget &w, const QPoint &origine, const QSize &taille)
{
    w.setGeometry(QRect(origine, taille));
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        qFatal("window never shown");
    QTest::qWait(300);
}
