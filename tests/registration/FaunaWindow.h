#pragma once

#include "registration/frm_Fauna.h"
#include "support/TestProgram.h"
#include "ui/Colours.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace lirvenda::test {

// A fresh program folder and its main window, loaded without the splash.
struct FaunaWindow {
    TestProgram t;
    frm_Fauna window{t.program()};

    explicit FaunaWindow(bool load = true)
    {
        if (load)
            window.Form_Load(frm_Fauna::Splash::Skip);
    }

    template <typename Control>
    Control *control(const QString &name)
    {
        auto *found = window.findChild<Control *>(name);
        if (!found)
            qFatal("No control %s", qPrintable(name));
        return found;
    }

    // What a box or button shows: its text, or the chosen entry's.
    QString shown(const QString &name)
    {
        QObject *found = control<QObject>(name);
        if (auto *combo = qobject_cast<QComboBox *>(found))
            return combo->currentText();
        if (auto *box = qobject_cast<QLineEdit *>(found))
            return box->text();
        return qobject_cast<QAbstractButton *>(found)->text();
    }

    qint64 insertObservation(const QVariantMap &columns) { return t.insertObservation(columns); }

    // Shows the row as browsing to it would; false when there is no such row.
    bool show(qint64 obsId)
    {
        t.program().observations().reopen();
        if (!t.program().observations().findObsId(obsId))
            return false;
        window.ShowRegistration();
        return true;
    }
};

// Every entry of a list, in order.
inline QStringList entries(const QListWidget *list)
{
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    return shown;
}

inline QStringList entries(const QComboBox *combo)
{
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    return shown;
}

inline bool isGreen(const QWidget *widget) { return hasColour(widget, Colour::Green); }
inline bool isYellow(const QWidget *widget) { return hasColour(widget, Colour::Yellow); }
inline bool isNeutral(const QWidget *widget) { return hasColour(widget, Colour::neutral()); }

} // namespace lirvenda::test
