#pragma once

#include "gui/positions/PositionLink.h"
#include "gui/registration/frm_Fauna.h"
#include "gui/ui/Colours.h"
#include "support/Gestures.h"
#include "support/ModalAnswer.h"
#include "support/TestProgram.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace lirvenda::test {

// A fresh program folder and its main window, loaded without the splash.
struct FaunaWindow {
    TestProgram t;
    frm_Fauna window{t.program()};

    explicit FaunaWindow(bool load = true, const QString &parentFolder = {}) : t(true, parentFolder)
    {
        if (load)
            window.Form_Load(frm_Fauna::Splash::Skip);
    }

    template <typename Control = QWidget>
    Control *control(const QString &name)
    {
        return child<Control>(&window, name);
    }
    void click(const QString &name) { test::click(&window, name); }
    // The receiver and the waypoint sources behind the position buttons, for a test to tick.
    PositionLink &positions() { return *window.findChild<PositionLink *>(); }

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

    // Each "control=text" expected, as the window shows it: compare the answer with the expectation.
    QStringList shownAs(const QStringList &expected)
    {
        QStringList out;
        for (const QString &e : expected)
            out << e.section('=', 0, 0) + '=' + shown(e.section('=', 0, 0));
        return out;
    }

    // Types each "control=text" into its box or onto its button, as shownAs reads them back.
    void enter(const QStringList &texts)
    {
        for (const QString &e : texts) {
            QObject *found = control<QObject>(e.section('=', 0, 0));
            const QString text = e.section('=', 1);
            if (auto *combo = qobject_cast<QComboBox *>(found))
                combo->setCurrentText(text);
            else if (auto *box = qobject_cast<QLineEdit *>(found))
                box->setText(text);
            else
                qobject_cast<QAbstractButton *>(found)->setText(text);
        }
    }
    // A locality, its position and a species: what a new registration needs to be saved.
    void enterRequired()
    {
        enter({"Combo13=Tjønna", "Text7=63.4305", "Text8=10.3951", "Command2=Svarttrost (Turdus merula) [11870]"});
    }

    qint64 insertObservation(const QVariantMap &columns) { return t.insertObservation(columns); }

    // A column of the stored row, as text: empty for NULL.
    QString column(qint64 obsId, const QString &name)
    {
        return t.db().scalar(QString("SELECT \"%1\" FROM Observasjoner WHERE ObsID = ?").arg(name), {obsId}).toString();
    }
    // Each "column=value" expected, as the stored row has it ("column=NULL" for NULL): compare the
    // answer with the expectation.
    QStringList storedAs(qint64 obsId, const QStringList &expected)
    {
        QStringList out;
        for (const QString &e : expected) {
            const QString name = e.section('=', 0, 0);
            const QVariant value =
                t.db().scalar(QString("SELECT \"%1\" FROM Observasjoner WHERE ObsID = ?").arg(name), {obsId});
            out << name + '=' + (value.isNull() ? "NULL" : value.toString());
        }
        return out;
    }
    qint64 lastObsId() { return t.db().scalar("SELECT max(ObsID) FROM Observasjoner").toLongLong(); }

    // Shows the row as browsing to it would; false when there is no such row.
    bool show(qint64 obsId)
    {
        if (!t.program().observations().findObsId(obsId))
            return false;
        window.ShowRegistration();
        return true;
    }
};

inline bool isGreen(const QWidget *widget) { return hasColour(widget, Colour::Green); }
inline bool isYellow(const QWidget *widget) { return hasColour(widget, Colour::Yellow); }
inline bool isNeutral(const QWidget *widget) { return hasColour(widget, Colour::neutral()); }

} // namespace lirvenda::test
