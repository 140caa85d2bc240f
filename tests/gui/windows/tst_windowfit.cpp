#include "gui/archive/frm_Arkiv.h"
#include "gui/documentation/frm_Bilde.h"
#include "gui/registration/frm_Art1.h"
#include "gui/registration/frm_Fylke_Kommune.h"
#include "gui/registration/frm_Lokalitet.h"
#include "gui/statistics/frm_Statistikk.h"
#include "gui/windows/frm_NonBreeding.h"
#include "support/TestProgram.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

using WindowMaker = std::function<std::unique_ptr<QDialog>(Program &)>;

// The room a control's text needs: a label's as the label measures it, a caption's or a
// button's as wide as its text (and icon) and as high as a line.
QSize textRoom(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->minimumSizeHint();
    QString text;
    int icon = 0;
    if (const auto *box = qobject_cast<const QGroupBox *>(control)) {
        text = box->title();
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        text = button->text();
        icon = button->icon().isNull() ? 0 : button->iconSize().width();
    }
    if (text.isEmpty() && icon == 0)
        return {};
    return {control->fontMetrics().horizontalAdvance(QString(text).remove('&')) + icon,
            control->fontMetrics().height()};
}

// The shown controls whose text the window cuts.
QStringList clippedTexts(const QWidget *window)
{
    QStringList clipped;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        const QSize room = textRoom(control);
        if (control->isVisible() && (control->width() < room.width() || control->height() < room.height()))
            clipped << control->objectName();
    }
    return clipped;
}

} // namespace

class WindowFitTest : public QObject {
    Q_OBJECT
private slots:
    // At one and a half times the usual font, each window at its smallest still fits a 1366×768
    // screen with room for its frame, and cuts no caption, label or button.
    void windowsFitASmallScreenAtALargerFont_data()
    {
        QTest::addColumn<WindowMaker>("make");
        const auto add = [](const char *name, WindowMaker make) { QTest::newRow(name) << make; };
        add("species search", [](Program &p) { return std::make_unique<frm_Art1>(p, "Aves"); });
        add("municipality picker", [](Program &) {
            return std::make_unique<frm_Fylke_Kommune>(
                QList<MunicipalityCandidate>{{"4698", "Vestland", "Indre Voss"}, {"4621", "Vestland", "Voss"}});
        });
        add("used places", [](Program &p) { return std::make_unique<frm_Lokalitet>(p); });
        add("archive", [](Program &p) { return std::make_unique<frm_Arkiv>(p); });
        add("statistics", [](Program &p) { return std::make_unique<frm_Statistikk>(p); });
        add("counting sheet", [](Program &) { return std::make_unique<frm_NonBreeding>(); });
        add("picture viewer", [](Program &p) {
            QImage wide(3000, 2000, QImage::Format_RGB32);
            wide.fill(Qt::darkGreen);
            const QString path = p.folder() + "/bred.png";
            wide.save(path);
            return std::make_unique<frm_Bilde>(QStringList{path}, 0);
        });
    }
    void init() { QApplication::setFont(m_usualFont); }
    void windowsFitASmallScreenAtALargerFont()
    {
        QFETCH(WindowMaker, make);
        TestProgram t;
        QFont larger = QApplication::font();
        larger.setPointSizeF(larger.pointSizeF() * 1.5);
        QApplication::setFont(larger);
        const std::unique_ptr<QDialog> window = make(t.program());
        window->resize(window->minimumSizeHint());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY2(window->width() <= 1366 && window->height() <= 768 - 40,
                 qPrintable(QStringLiteral("%1×%2").arg(window->width()).arg(window->height())));
        QCOMPARE(clippedTexts(window.get()), QStringList());
    }

private:
    const QFont m_usualFont = QApplication::font();
};

QTEST_MAIN(WindowFitTest)
#include "tst_windowfit.moc"
