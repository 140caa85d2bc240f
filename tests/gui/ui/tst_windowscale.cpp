#include "core/registration/Coordinates.h"
#include "core/shared/Language.h"
#include "gui/archive/frm_Arkiv.h"
#include "gui/backup/frm_Sikkerhetskopier.h"
#include "gui/documentation/frm_Bilde.h"
#include "gui/exchange/frm_DarwinCore.h"
#include "gui/exchange/frm_EbirdImport.h"
#include "gui/group/frm_BatchRegistrering.h"
#include "gui/group/frm_Detaljer.h"
#include "gui/group/frm_VelgArter.h"
#include "gui/lists/frm_Lister.h"
#include "gui/passphrase/frm_NyPassfrase.h"
#include "gui/passphrase/frm_Passfrase.h"
#include "gui/positions/frm_GPS.h"
#include "gui/reference/frm_Default.h"
#include "gui/reference/frm_Naturtyper.h"
#include "gui/reference/frm_ObserverEdit.h"
#include "gui/reference/frm_Observers.h"
#include "gui/reference/frm_Observers_Modify.h"
#include "gui/reference/frm_Referanse_Modify.h"
#include "gui/registration/frm_Art1.h"
#include "gui/registration/frm_Fauna.h"
#include "gui/registration/frm_Fylke_Kommune.h"
#include "gui/registration/frm_Lokalitet.h"
#include "gui/statistics/frm_Statistikk.h"
#include "gui/windows/frmAbout.h"
#include "gui/windows/frm_Frontside.h"
#include "gui/windows/frm_Kalender.h"
#include "gui/windows/frm_Melding.h"
#include "gui/windows/frm_NonBreeding.h"
#include "support/TestProgram.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace lirvenda;
using namespace lirvenda::test;

// Every window of the program, with the application's font half as large again: each button, label
// and check box shows its whole caption once the window is laid out, and the window fits a laptop
// screen. The same program runs again with QT_SCALE_FACTOR=2, and in English, where no caption may
// be left in Norwegian (tests/CMakeLists.txt).

namespace {

// A 1366×768 screen less the title bar and a desktop panel.
const QSize Screen{1366, 768 - 60};

// What a window is built on: a fresh program folder.
struct Ground {
    TestProgram t;
};

using Window = std::unique_ptr<QWidget>;

template <typename W, typename... Args>
Window make(Args &&...args)
{
    return std::make_unique<W>(std::forward<Args>(args)...);
}

Window mainWindow(Ground &g)
{
    auto window = std::make_unique<frm_Fauna>(g.t.program());
    window->Form_Load(frm_Fauna::Splash::Skip);
    return window;
}

Window pictureViewer(Ground &g)
{
    QImage picture(QSize(300, 200), QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    picture.save(g.t.path("bilde.png"));
    return make<frm_Bilde>(QStringList{g.t.path("bilde.png")}, 0);
}

const QList<std::pair<const char *, std::function<Window(Ground &)>>> Windows{
    {"frm_Fauna", mainWindow},
    {"frm_Art1", [](Ground &g) { return make<frm_Art1>(g.t.program(), "Aves"); }},
    {"frm_Lokalitet", [](Ground &g) { return make<frm_Lokalitet>(g.t.program()); }},
    {"frm_Fylke_Kommune",
     [](Ground &g) { return make<frm_Fylke_Kommune>(municipalitiesAt(g.t.program(), "63.43", "10.39")); }},
    {"frm_BatchRegistrering",
     [](Ground &g) {
         return make<frm_BatchRegistrering>(g.t.program(), QList<KeyedEntry>{{"Svarttrost [11870]", "11870"}});
     }},
    {"frm_VelgArter", [](Ground &g) { return make<frm_VelgArter>(g.t.program()); }},
    {"frm_Detaljer",
     [](Ground &g) {
         return make<frm_Detaljer>(g.t.program(), QStringList{"11870", "14640"});
     }},
    {"frm_Statistikk", [](Ground &g) { return make<frm_Statistikk>(g.t.program()); }},
    {"frm_Lister", [](Ground &g) { return make<frm_Lister>(g.t.program()); }},
    {"frm_Arkiv", [](Ground &g) { return make<frm_Arkiv>(g.t.program()); }},
    {"frm_Bilde", pictureViewer},
    {"frm_NonBreeding", [](Ground &) { return make<frm_NonBreeding>(); }},
    {"frm_Observers", [](Ground &g) { return make<frm_Observers>(g.t.program()); }},
    {"frm_Observers_Modify",
     [](Ground &g) { return make<frm_Observers_Modify>(g.t.program(), NewObserver, ObserverFields{}); }},
    {"frm_ObserverEdit", [](Ground &g) { return make<frm_ObserverEdit>(g.t.program()); }},
    {"frm_Default", [](Ground &g) { return make<frm_Default>(g.t.program()); }},
    {"frm_Naturtyper", [](Ground &g) { return make<frm_Naturtyper>(g.t.program()); }},
    {"frm_Referanse_Modify", [](Ground &g) { return make<frm_Referanse_Modify>(g.t.program()); }},
    {"frm_EbirdImport", [](Ground &g) { return make<frm_EbirdImport>(g.t.program(), [] {}); }},
    {"frm_DarwinCore", [](Ground &g) { return make<frm_DarwinCore>(defaultDarwinCoreSettings(g.t.program())); }},
    {"frm_GPS", [](Ground &g) { return make<frm_GPS>(g.t.program()); }},
    {"frm_Kalender", [](Ground &) { return make<frm_Kalender>(QDate(2023, 1, 31)); }},
    {"frm_Melding", [](Ground &) { return make<frm_Melding>(); }},
    {"frmAbout", [](Ground &g) { return make<frmAbout>(g.t.program()); }},
    {"frm_Passfrase",
     [](Ground &) {
         return make<frm_Passfrase>(
             QCoreApplication::translate("StoreKey", "Passfrase for dagboka i %1:").arg("/home/kari/Lirvenda"));
     }},
    {"frm_NyPassfrase", [](Ground &g) { return make<frm_NyPassfrase>(g.t.program()); }},
    {"frm_Sikkerhetskopier", [](Ground &g) { return make<frm_Sikkerhetskopier>(g.t.program()); }},
    {"frm_Frontside", [](Ground &) { return make<frm_Frontside>(); }},
};

// The size a control needs to show its whole caption: its size hint, but a wrapped label may trade
// width for height, and the least width a style gives every text button ("OK" as wide as "Avbryt")
// is its look, not its caption: a caption needs its text, its picture and the button's margins.
QSize neededSize(const QWidget *control)
{
    const auto *label = qobject_cast<const QLabel *>(control);
    if (label && label->wordWrap())
        return {label->minimumSizeHint().width(), label->heightForWidth(label->width())};
    const auto *button = qobject_cast<const QPushButton *>(control);
    if (!button || button->text().isEmpty())
        return control->sizeHint();
    const QStyle *style = button->style();
    const int caption = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() +
                        (button->icon().isNull() ? 0 : button->iconSize().width() + 4) +
                        style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    return {std::min(caption, button->sizeHint().width()), button->sizeHint().height()};
}

bool hasCaption(const QWidget *control)
{
    const auto *label = qobject_cast<const QLabel *>(control);
    return qobject_cast<const QAbstractButton *>(control) || (label && !label->hasScaledContents());
}

// The visible lists whose entries are wider than the list: an entry's key, set apart by blanks
// behind its text, may lie out of sight.
QStringList cutEntries(const QWidget *window)
{
    static const QRegularExpression hiddenKey(QStringLiteral("\\s{2,}\\[[^\\]]*\\]$"));
    QStringList cut;
    for (const QAbstractItemView *list : window->findChildren<QAbstractItemView *>()) {
        if (!list->isVisible() || qobject_cast<const QTableView *>(list) || !list->model())
            continue;
        const int room = list->viewport()->width() - 2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QString text = list->model()->index(row, 0).data().toString().remove(hiddenKey);
            if (list->fontMetrics().horizontalAdvance(text) > room) {
                cut << QStringLiteral("%1 \"%2\"").arg(list->objectName(), text);
                break;
            }
        }
    }
    return cut;
}

// The visible buttons, labels and check boxes that are smaller than their captions; Qt's own
// parts of compound controls ("qt_…") are left to Qt.
QStringList clippedCaptions(const QWidget *window)
{
    QStringList clipped;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible() || !hasCaption(control) || control->objectName().startsWith("qt_"))
            continue;
        const QSize needed = neededSize(control);
        if (control->width() < needed.width() || control->height() < needed.height())
            clipped << QStringLiteral("%1 %2x%3 < %4x%5")
                           .arg(control->objectName())
                           .arg(control->width())
                           .arg(control->height())
                           .arg(needed.width())
                           .arg(needed.height());
    }
    return clipped;
}

// The texts a window shows of its own, shown now or later: its title, captions, group titles, tab
// names and column headers.
QStringList captionsOf(const QWidget *window)
{
    QStringList captions{window->windowTitle()};
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            captions << button->text();
        else if (const auto *label = qobject_cast<const QLabel *>(control))
            captions << label->text();
        else if (const auto *group = qobject_cast<const QGroupBox *>(control))
            captions << group->title();
        else if (const auto *tabs = qobject_cast<const QTabBar *>(control))
            for (int i = 0; i < tabs->count(); ++i)
                captions << tabs->tabText(i);
        else if (const auto *header = qobject_cast<const QHeaderView *>(control); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                captions << header->model()->headerData(i, header->orientation()).toString();
    }
    return captions;
}

// The captions that still read Norwegian: a Norwegian letter or a word only Norwegian has.
QStringList norwegianCaptions(const QWidget *window)
{
    static const QRegularExpression norwegian(
        QStringLiteral("[æøåÆØÅ]|\\b(og|ikke|av|med|fra|eller|alle|lagre|avbryt|lukk|slett|velg|endre|antall|"
                       "fylke|kommune|lokalitet|dato|hent|vis|skriv|avslutt|dagbok|dagboka|kart|hjelp|merknad|"
                       "kommentar|reir|hann|hunn|voksen|ja|nei|neste|forrige|siste|ukjent|lister|statistikk|"
                       "innstillinger|oppdater|beskrivelse|sted|navn|etternavn|fornavn|tid|hele|arter|gruppe|"
                       "registrering|ny|nytt|nye|kopier|passfrase|eksporter|importer|fugl|fugler|bilde|bilder|"
                       "tekst|utskrift|detaljer|aktivitet|alder|bekreft|tilbake|fjern|flytt|ned|opp|mappe|fil|"
                       "til|om|art|aldri|lys|mørk|uke|dag|dager|måned|ingen)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QStringList found;
    for (const QString &caption : captionsOf(window))
        if (caption.contains(norwegian))
            found << caption;
    return found;
}

// The least size the window can take: what its layout needs, or without one the size it was given.
QSize leastSize(const QWidget *window)
{
    return window->layout() ? window->minimumSize().expandedTo(window->minimumSizeHint()) : window->size();
}

} // namespace

class WindowScaleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QFont font = QApplication::font();
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * 1.5);
        else
            font.setPixelSize(font.pixelSize() * 3 / 2);
        QApplication::setFont(font);
        installTranslation(requestedLanguage());
        QCOMPARE(shownLanguage(), requestedLanguage()); // the translation asked for is built in
        qInfo("device pixel ratio %g", qApp->devicePixelRatio());
    }

    void captionsShowWholeAndWindowFits_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < Windows.size(); ++i)
            QTest::newRow(Windows.at(i).first) << i;
    }
    void captionsShowWholeAndWindowFits()
    {
        QFETCH(int, index);
        Ground ground;
        const Window window = Windows.at(index).second(ground);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

        QStringList problems = clippedCaptions(window.get()) + cutEntries(window.get());
        const QSize least = leastSize(window.get());
        if (least.width() > Screen.width() || least.height() > Screen.height())
            problems << QStringLiteral("window %1x%2").arg(least.width()).arg(least.height());
        if (shownLanguage() == Language::English)
            problems += norwegianCaptions(window.get());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }
};

QTEST_MAIN(WindowScaleTest)
#include "tst_windowscale.moc"
