#include "core/documentation/PictureZoom.h"

#include <QTest>

using namespace lirvenda;

class PictureZoomTest : public QObject {
    Q_OBJECT
private slots:
    // Each click scales from where the last one left it; fit goes back to the whole picture.
    void zoomAccumulates_data()
    {
        QTest::addColumn<QList<double>>("clicks");
        QTest::addColumn<double>("scale");
        QTest::newRow("in, in, out") << QList<double>{0.9, 0.9, 1.1} << 0.891;
        QTest::newRow("fit resets") << QList<double>{0.9, 0.9, 0.0} << 1.0;
        QTest::newRow("closest limit") << QList<double>(100, 0.9) << PictureZoom::SmallestScale;
        QTest::newRow("farthest limit") << QList<double>(100, 1.1) << PictureZoom::LargestScale;
    }
    void zoomAccumulates()
    {
        QFETCH(QList<double>, clicks);
        QFETCH(double, scale);
        PictureZoom zoom({900, 600}, {3000, 2000});
        for (double factor : clicks)
            factor == 0.0 ? zoom.fit() : zoom.zoom(factor);
        QVERIFY(qAbs(zoom.scale() - scale) < 1e-9);
        QCOMPARE(zoom.shownSize(), QSize(qRound(900 / scale), qRound(600 / scale)));
    }

    // A zoomed picture moves only as far as it reaches; fitted or smaller it is centred.
    void movesWithinThePicture()
    {
        PictureZoom zoom({900, 600}, {3000, 2000});
        QCOMPARE(zoom.horizontalRange(), 0);
        zoom.setHorizontal(500);
        QCOMPARE(zoom.pictureRect(), QRect(0, 0, 900, 600));

        zoom.zoom(0.5);
        QCOMPARE(zoom.shownSize(), QSize(1800, 1200));
        QCOMPARE(zoom.horizontal(), 450); // the middle stays in the middle
        QCOMPARE(zoom.vertical(), 300);
        zoom.setHorizontal(100000);
        zoom.setVertical(-5);
        QCOMPARE(zoom.pictureRect(), QRect(-900, 0, 1800, 1200));

        zoom.fit();
        zoom.zoom(2.0);
        QCOMPARE(zoom.pictureRect(), QRect(225, 150, 450, 300));
    }
};

QTEST_GUILESS_MAIN(PictureZoomTest)
#include "tst_picturezoom.moc"
