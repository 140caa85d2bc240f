#include "support/FaunaWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// The shown captions that have less room than they ask for: a button, label or check box its size,
// a frame the least it needs for its caption and contents.
QStringList clippedCaptions(const QWidget *window)
{
    QStringList clipped;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const bool captioned = qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QLabel *>(control);
        const bool frame = qobject_cast<const QGroupBox *>(control);
        const QSize wanted = frame ? control->minimumSizeHint() : control->sizeHint();
        if ((captioned || frame) && control->isVisible() &&
            (control->width() < wanted.width() || control->height() < wanted.height()))
            clipped << control->objectName();
    }
    return clipped;
}

// Waits for the window's layout to settle: true when no caption is clipped then.
bool noCaptionClipped(const QWidget *window)
{
    QStringList clipped;
    const bool settled = QTest::qWaitFor([&] { return (clipped = clippedCaptions(window)).isEmpty(); });
    if (!settled)
        qWarning("Clipped: %s", qPrintable(clipped.join(", ")));
    return settled;
}

void showWindow(FaunaWindow &w)
{
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
}

} // namespace

// The window follows its contents: it fits a small laptop screen at the usual font, and a larger
// font makes it larger instead of cutting its captions, in each state and on each tab.
class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void fitsASmallScreen()
    {
        FaunaWindow w;
        showWindow(w);
        const QSize least = w.window.minimumSize();
        QVERIFY2(least.width() <= 1366 && least.height() <= 768 - 48, // room for a title bar and a task bar
                 qPrintable(QString("%1x%2").arg(least.width()).arg(least.height())));
        QVERIFY(noCaptionClipped(&w.window));
    }

    void growsWithTheFont()
    {
        const QFont usual = QApplication::font();
        QFont larger = usual;
        larger.setPointSizeF(usual.pointSizeF() * 1.5);
        QApplication::setFont(larger);
        FaunaWindow w;
        showWindow(w);
        QVERIFY(noCaptionClipped(&w.window)); // browsing: the arrows
        w.window.SetEditState(RegistrationState::Mode::New);
        QVERIFY(noCaptionClipped(&w.window)); // entering: the keypad, age and sex
        w.click("Command34");
        QVERIFY(noCaptionClipped(&w.window)); // the nest controls
        QApplication::setFont(usual);
    }
};

QTEST_MAIN(MainWindowLayoutTest)
#include "tst_mainwindowlayout.moc"
