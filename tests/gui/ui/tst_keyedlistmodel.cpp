#include "gui/ui/KeyedListModel.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

using namespace lirvenda;

class tst_KeyedListModel : public QObject {
    Q_OBJECT
private slots:
    // Rows found by key follow insertions and removals in the middle; the first of two entries
    // with one key is found; an empty key is never found.
    void keysFollowTheRows()
    {
        KeyedListModel model;
        model.setEntries({{"Gråtrost", "11980"}, {"Svarttrost", "11870"}, {"- ingen -", ""}});
        model.insert(0, {"Rødvingetrost", "12010"});
        QCOMPARE(model.rowOf("11870"), 2);
        model.append({"Svarttrost igjen", "11870"});
        QCOMPARE(model.rowOf("11870"), 2);
        model.removeAt(2);
        QCOMPARE(model.rowOf("11870"), 3);
        QCOMPARE(model.rowOf("11980"), 1);
        QCOMPARE(model.rowOf(""), -1);
        QCOMPARE(model.rowOf("1187"), -1);
        QCOMPARE(model.texts(), QStringList({"Rødvingetrost", "Gråtrost", "- ingen -", "Svarttrost igjen"}));
        model.clear();
        QCOMPARE(model.rowOf("11980"), -1);
    }

    // A key is kept apart from the text, so a bracket in a name cannot change it; a combo box
    // over the model finds the entry by its key.
    void comboChoosesByKey()
    {
        KeyedListModel model;
        model.setEntries({{"Navn [med klamme]      [7]", "70"}, {"Annet [70]", "7"}});
        QComboBox combo;
        combo.setModel(&model);
        combo.setCurrentIndex(model.rowOf("7"));
        QCOMPARE(combo.currentText(), QString("Annet [70]"));
        QCOMPARE(combo.currentData(KeyedListModel::KeyRole).toString(), QString("7"));
    }

    // Ticks are the model's only editable data, and only when it is checkable.
    void ticksWhenCheckable()
    {
        KeyedListModel model;
        model.setEntries({{"Hansen, K. (KH)", "a"}, {"Olsen, P. (PO)", "b"}});
        QVERIFY(!model.setData(model.index(0), Qt::Checked, Qt::CheckStateRole));
        model.setCheckable(true);
        QSignalSpy changed(&model, &KeyedListModel::dataChanged);
        QVERIFY(model.setData(model.index(1), Qt::Checked, Qt::CheckStateRole));
        QVERIFY(model.isChecked(1) && !model.isChecked(0));
        QCOMPARE(model.data(model.index(1), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        model.setChecked(1, true);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!model.setData(model.index(0), "x", Qt::EditRole));
    }
};

QTEST_MAIN(tst_KeyedListModel)
#include "tst_keyedlistmodel.moc"
