// How the main window's start-up and one save cost on a lifetime of records against a small store.
// Usage: bench_startup CACHE_DIR [rounds] (default 5 rounds).
//
// Two program folders are kept in CACHE_DIR: one with 2,000 and one with 1,000,000 generated
// observations, both with the same 531 bird species and the same 2,000 localities, so the lists
// the window fills are the same and only the size of the table differs. They are generated on the
// first run only, as stores from before the lists of used values, so the first opening also shows
// what building those lists costs an older store. Each round opens the main window on each store
// in turn (a new Program and frm_Fauna, Form_Load without the splash) and saves one registration;
// the rows a save adds are deleted again, so the stores stay as generated. Printed: the median and
// the fastest of each figure, their ratios, one full scan of the big table timed in the same run,
// and the parts of a start-up.

#include "BenchStore.h"
#include "core/registration/Species.h"
#include "core/store/Program.h"
#include "gui/registration/frm_Fauna.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace lirvenda;
using namespace lirvenda::bench;

namespace {

// The message that confirms a save closes itself after a second; here it is closed as soon as it
// shows, so the save is timed without that pause.
class TimedMessageCloser : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("frm_Melding"))
            if (auto *dialog = qobject_cast<QDialog *>(watched))
                QTimer::singleShot(0, dialog, &QDialog::accept);
        return false;
    }
};

struct Figures {
    QList<double> startups, saves, localities, species, recordSet, shownRow;
};

struct Store {
    QString folder;
    int rows = 0;
    Figures figures;
};

// One start-up, one save and the parts of a start-up on a loaded window; the saved row goes again.
void measure(Store &store)
{
    Figures &figures = store.figures;
    std::unique_ptr<Program> program;
    std::unique_ptr<frm_Fauna> window;
    figures.startups << millisecondsOf([&] {
        program = std::make_unique<Program>(store.folder);
        window = std::make_unique<frm_Fauna>(*program);
        window->Form_Load(frm_Fauna::Splash::Skip);
    });

    window->Command7_Click();
    const auto box = [&window](const char *name) { return window->findChild<QLineEdit *>(QLatin1String(name)); };
    window->findChild<QComboBox *>(QStringLiteral("Combo13"))->setEditText(QStringLiteral("Dalsvatnet 3"));
    box("Text7")->setText(QStringLiteral("63.43050"));
    box("Text8")->setText(QStringLiteral("10.39510"));
    window->findChild<QPushButton *>(QStringLiteral("Command2"))
        ->setText(SpeciesDisplayText(*program, QStringLiteral("11870")));
    box("Text1")->setText(QStringLiteral("2"));
    figures.saves << millisecondsOf([&] { window->SaveRegistration(frm_Fauna::SaveMode::Ny); });
    program->mainConnection().execute(QStringLiteral("DELETE FROM Observasjoner WHERE ObsID > ?"), {store.rows});

    figures.localities << millisecondsOf([&] { window->RefreshLocalityList({}); });
    figures.species << millisecondsOf([&] { window->RefreshSpeciesLists(); });
    figures.recordSet << millisecondsOf([&] {
        program->observations().moveFirst();
        program->observations().moveLast();
    });
    figures.shownRow << millisecondsOf([&] { window->ShowRegistration(); });
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about every dialog it shows; that says nothing about the figures.
void withoutOffscreenNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    drawOffscreenUnlessChosen();
    QApplication app(argc, argv);
    defaultHandler = qInstallMessageHandler(withoutOffscreenNoise);
    QTextStream out(stdout);
    const std::optional<WindowBenchArguments> arguments = windowBenchArguments(argc, argv);
    if (!arguments)
        return 2;
    const QString cache = arguments->cache;
    const int rounds = arguments->rounds;
    Store small{prepareStore(cache, 2000, out), 2000};
    Store big{prepareStore(cache, 1000000, out), 1000000};
    // A store left with extra rows by an interrupted run is brought back to its generated rows.
    for (const Store *store : {&small, &big}) {
        Program program(store->folder);
        program.openMainConnection();
        program.mainConnection().execute(QStringLiteral("DELETE FROM Observasjoner WHERE ObsID > ?"), {store->rows});
    }

    TimedMessageCloser closer;
    app.installEventFilter(&closer);
    QList<double> scans;
    for (Store *store : {&small, &big}) { // warms the file cache; not counted
        measure(*store);
        store->figures = {};
    }
    for (int round = 0; round < rounds; ++round) { // each store goes first every other round
        measure(round % 2 ? big : small);
        measure(round % 2 ? small : big);
        scans << fullScan(big.folder);
    }

    // Medians, and the fastest of each, which the other work on a shared machine touches least.
    const auto figures = [](const Figures &f) {
        return QList<double>{median(f.startups), fastest(f.startups), median(f.saves), fastest(f.saves)};
    };
    const QList<double> smallFigures = figures(small.figures), bigFigures = figures(big.figures);
    QList<double> ratios;
    for (qsizetype i = 0; i < bigFigures.size(); ++i)
        ratios << bigFigures.at(i) / smallFigures.at(i);
    const auto row = [&out](const QString &label, const QList<double> &values, int precision) {
        out << qSetFieldWidth(22) << Qt::left << label << Qt::right << qSetRealNumberPrecision(precision);
        for (double value : values)
            out << qSetFieldWidth(11) << value;
        out << qSetFieldWidth(0) << '\n';
    };
    const auto header = [&out](const QString &label, const QStringList &names) {
        out << qSetFieldWidth(22) << Qt::left << label << Qt::right;
        for (const QString &name : names)
            out << qSetFieldWidth(11) << name;
        out << qSetFieldWidth(0) << '\n';
    };
    out << Qt::fixed;
    header(QStringLiteral("%1 rounds, ms").arg(rounds), {"start-up", "", "save", ""});
    header({}, {"median", "fastest", "median", "fastest"});
    row(QStringLiteral("%1 observations").arg(small.rows), smallFigures, 1);
    row(QStringLiteral("%1 observations").arg(big.rows), bigFigures, 1);
    row(QStringLiteral("ratio"), ratios, 2);
    const double scan = median(scans);
    out << qSetRealNumberPrecision(1) << "full scan of " << big.rows << " observations: " << scan << " ms"
        << qSetRealNumberPrecision(3) << "; start-up / full scan " << bigFigures.at(0) / scan << ", save / full scan "
        << bigFigures.at(2) / scan << '\n';
    header(QStringLiteral("parts, median ms"), {"localities", "species", "record set", "shown row"});
    for (const Store *store : {&small, &big})
        row(QStringLiteral("%1 observations").arg(store->rows),
            {median(store->figures.localities), median(store->figures.species), median(store->figures.recordSet),
             median(store->figures.shownRow)},
            1);
    return 0;
}
