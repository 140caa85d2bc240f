#include "core/shared/Language.h"
#include "gui/lists/frm_Lister.h"
#include "gui/ui/NamedControl.h"
#include "support/Gestures.h"
#include "support/ListsDiary.h"
#include "support/ModalAnswer.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

QStringList headers(const QWidget *window, const QString &table)
{
    const QTreeWidgetItem *header = child<QTreeWidget>(window, table)->headerItem();
    QStringList texts;
    for (int i = 0; i < header->columnCount(); ++i)
        texts << header->text(i);
    return texts;
}

QStringList firstColumn(const QWidget *window, const QString &table)
{
    QStringList texts;
    const auto *view = child<QTreeWidget>(window, table);
    for (int row = 0; row < view->topLevelItemCount(); ++row)
        texts << view->topLevelItem(row)->text(0);
    return texts;
}

} // namespace

// The lists window shown in English: what it shows is English, what it chooses by and what it
// saves stay as the program keeps them.
class EnglishListsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installTranslation(Language::English);
        QCOMPARE(shownLanguage(), Language::English);
    }

    // The first of the year with English columns and marks, saved with the columns and marks the
    // file has in every language.
    void shownInEnglishSavedUnchanged()
    {
        TestProgram t;
        fillListsDiary(t);
        frm_Lister lists(t.program());
        QCOMPARE(lists.windowTitle(), "Lists - Life list, Birds: 5 species");
        child<QTabWidget>(&lists, "Tabs")->setCurrentIndex(2);
        while (child<QPushButton>(&lists, "Command6")->text().toInt() > 2020)
            click(&lists, "Command4");
        QCOMPARE(lists.windowTitle(), "Lists - First of the year 2020, Birds: 5 species");
        QCOMPARE(headers(&lists, "List3"), QStringList({"New", "Species", "Scientific name", "First seen", "Locality",
                                                        "Last seen", "Observations", "Individuals"}));
        QCOMPARE(firstColumn(&lists, "List3").first(), "new");
        QVERIFY(answerModal([&] { click(&lists, "Command3"); },
                            [&](QWidget *modal) {
                                auto *dialog = qobject_cast<QFileDialog *>(modal);
                                dialog->setDirectory(t.folder());
                                dialog->findChild<QLineEdit *>("fileNameEdit")->setText("first.csv");
                                static_cast<QDialog *>(dialog)->accept();
                            }));
        const QList<QByteArray> lines = contents(t.path("first.csv")).split('\n');
        QCOMPARE(lines.at(0).trimmed(), QByteArray("Ny,Art,Vitenskapelig navn,Først sett,Lokalitet,Sist sett,"
                                                   "Observasjoner,Individer"));
        QVERIFY(lines.at(1).startsWith("ny,Svarttrost,"));
    }

    // A species group is chosen by its own name, whatever its button shows.
    void groupChosenWhateverItsCaption()
    {
        TestProgram t;
        fillListsDiary(t);
        frm_Lister lists(t.program());
        auto *mammals = child<QRadioButton>(&lists, elementName("Option1", 1));
        QCOMPARE(mammals->text(), "Mammals");
        mammals->click();
        QCOMPARE(lists.windowTitle(), "Lists - Life list, Mammals: 2 species");
        QCOMPARE(child<QTreeWidget>(&lists, "List1")->topLevelItemCount(), 2);
        QCOMPARE(child<QComboBox>(&lists, "Combo1")->currentText(), "Life list");
    }
};

QTEST_MAIN(EnglishListsWindowTest)
#include "tst_listswindow_english.moc"
