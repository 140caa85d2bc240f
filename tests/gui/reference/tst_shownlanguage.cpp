#include "core/reference/ObserverRegister.h"
#include "core/shared/Language.h"
#include "gui/group/frm_Detaljer.h"
#include "gui/reference/frm_Observers_Modify.h"
#include "gui/ui/NamedControl.h"
#include "support/FaunaWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

QStringList labelTexts(const QWidget *window)
{
    QStringList texts;
    for (const QLabel *label : window->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

QStringList entries(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// What the grid shows of the store in its first row: the species' code and the activities.
QStringList storedTexts(const frm_Detaljer &grid)
{
    return QStringList{child<QLabel>(&grid, elementName("Label1", 0))->text()} +
           entries(child<QComboBox>(&grid, elementName("Combo2", 0)));
}

} // namespace

// A translation once installed stays for the process, so the Norwegian one comes first; the
// English one installed after it covers every text of the group windows.
class ShownLanguageTest : public QObject {
    Q_OBJECT

private slots:
    // On a Norwegian desktop the observer window's English captions are Norwegian, while the
    // country a new observer starts with is a stored value and stays as it is.
    void observerWindowSpeaksNorwegian()
    {
        installTranslation(Language::Norwegian);
        TestProgram t;
        ObserverFields fresh;
        fresh.country = QStringLiteral("Norway");
        frm_Observers_Modify entry(t.program(), NewObserver, fresh);
        QVERIFY(labelTexts(&entry).contains("Fornavn"));
        QVERIFY(labelTexts(&entry).contains("Ringmerkerlisens"));
        QCOMPARE(child<QPushButton>(&entry, "Command2")->text(), QString("&Lagre"));
        QCOMPARE(child<QLineEdit>(&entry, "Text5")->text(), QString("Norway"));
    }

    // In English the grid's headings change, the species and the activities of the code list do not.
    void groupGridKeepsStoredTexts()
    {
        TestProgram t;
        t.addObserver("Ola", "Nordmann", "ON");
        frm_Detaljer before(t.program(), {"11870"});
        installTranslation(Language::English);
        frm_Detaljer after(t.program(), {"11870"});
        QVERIFY(labelTexts(&before).contains(QString::fromUtf8("Kjønn")));
        QVERIFY(labelTexts(&after).contains("Sex"));
        QVERIFY(!labelTexts(&after).contains(QString::fromUtf8("Kjønn")));
        QVERIFY(storedTexts(after).size() > 1);
        QCOMPARE(storedTexts(after), storedTexts(before));
    }
};

QTEST_MAIN(ShownLanguageTest)
#include "tst_shownlanguage.moc"
