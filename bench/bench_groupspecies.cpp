// How the species lists of group registration cost on a lifetime of records, against one full
// scan of the table. Usage: bench_groupspecies CACHE_DIR [rounds] (default 5 rounds). Shares the
// 1,000,000-observation program folder of bench_startup (generated on the first run). Each round
// opens the species list as the main window hands it over, switches its sort both ways and opens
// the extra-species picker; printed are the medians and their ratios to the median full scan.

#include "WindowBench.h"
#include "core/registration/Species.h"
#include "core/shared/Prompter.h"
#include "core/store/Program.h"
#include "gui/group/GroupDialog.h"
#include "gui/group/frm_BatchRegistrering.h"
#include "gui/group/frm_VelgArter.h"

#include <QApplication>
#include <QCheckBox>
#include <QTextStream>

using namespace lirvenda;
using namespace lirvenda::bench;

namespace {

// Says yes to the question of the sort switch.
class AnswersYes : public Prompter {
public:
    void message(const QString &, Icon) override {}
    bool askYesNo(const QString &) override { return true; }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return {}; }
    void beep() override {}
};

} // namespace

int main(int argc, char **argv)
{
    return runMillionStoreWindowBench(argc, argv, [](const MillionStoreBench &bench, QTextStream &out) {
        setPrompter(std::make_unique<AnswersYes>());
        const int rounds = bench.rounds;
        const QString folder = bench.folder;

        Program program(folder);
        program.openMainConnection();
        program.openObserverConnection();
        QList<double> scans, openings, switches, pickers;
        int listed = 0, offered = 0;
        for (int round = 0; round <= rounds; ++round) { // round 0 warms the file cache; not counted
            const double scan = fullScan(folder);
            std::unique_ptr<frm_BatchRegistrering> list;
            const double opening = millisecondsOf([&] {
                const QList<KeyedEntry> registered = SortedAlphabetically(RegisteredSpeciesEntries(program, false));
                list = std::make_unique<frm_BatchRegistrering>(program, registered);
            });
            auto *species = list->findChild<ChoiceList *>(QStringLiteral("List1"));
            auto *keyOrder = list->findChild<QCheckBox *>(QStringLiteral("Check1"));
            listed = species->entries().rowCount();
            species->choose(species->entries().keyAt(0));
            const double switching = millisecondsOf([&] {
                keyOrder->click(); // to key order
                keyOrder->click(); // back to names
            });
            const double picker = millisecondsOf([&] {
                frm_VelgArter extra(program, list.get());
                offered = extra.findChild<ChoiceList *>(QStringLiteral("List1"))->entries().rowCount();
            });
            if (round > 0) {
                scans << scan;
                openings << opening;
                switches << switching;
                pickers << picker;
            }
        }

        const double scan = median(scans);
        out << Qt::fixed << qSetRealNumberPrecision(1) << rounds << " rounds on " << MillionRows
            << " observations, medians\nfull scan: " << scan << " ms\n";
        const auto line = [&](const QString &name, double ms) {
            out << qSetFieldWidth(34) << Qt::left << name << qSetFieldWidth(10) << Qt::right
                << qSetRealNumberPrecision(1) << ms << qSetFieldWidth(0) << " ms, " << qSetRealNumberPrecision(3)
                << ms / scan << " x full scan\n";
        };
        line(QStringLiteral("opening the species list (%1)").arg(listed), median(openings));
        line(QStringLiteral("switching the sort, both ways"), median(switches));
        line(QStringLiteral("opening and switching"), median(openings) + median(switches));
        line(QStringLiteral("opening the picker (%1 species)").arg(offered), median(pickers));
        return 0;
    });
}
