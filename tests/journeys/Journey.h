#pragma once

#include "support/FaunaWindow.h"

#include <QGroupBox>

// What a user does in more than one window, on a store the program made itself: every row comes
// from the program's own windows, and the store is only read.
namespace lirvenda::test {

// "&Observatører" → "&Ny obs." → "&Save", then "&Set Default" on the new observer, so the next
// registration offers it ticked as main observer.
inline bool addObserverThroughWindows(FaunaWindow &w, const QString &first, const QString &last,
                                      const QString &initials)
{
    bool saved = false, defaulted = false;
    const bool listed =
        answerModal([&] { w.click("Command10"); },
                    [&](QWidget *observers) {
                        saved = answerModal([&] { click(observers, "Command2"); },
                                            [&](QWidget *entry) {
                                                child<QLineEdit>(entry, "Text1")->setText(first);
                                                child<QLineEdit>(entry, "Text2")->setText(last);
                                                QTest::keyClicks(child<QLineEdit>(entry, "Text8"), initials);
                                                click(entry, "Command2");
                                            });
                        defaulted = answerModal([&] { click(observers, "Command5"); },
                                                [&](QWidget *defaults) {
                                                    auto *list = child<QAbstractItemView>(defaults, "List1");
                                                    const QStringList shown = initialsIn(list, true);
                                                    if (const int row = shown.indexOf(initials); row >= 0)
                                                        clickEntry(list, row);
                                                    click(defaults, "Command2");
                                                });
                        click(observers, "Command1");
                    });
    return listed && saved && defaulted;
}

// "&Art": the search window, the name typed, Enter takes the first species found.
inline bool pickSpecies(FaunaWindow &w, const QString &search)
{
    return answerModal([&] { w.click("Command2"); },
                       [&](QWidget *window) {
                           auto *text = child<QLineEdit>(window, "Text1");
                           text->setText(search);
                           QTest::keyClick(text, Qt::Key_Return);
                       });
}

// Typed as the user types, key by key.
inline void type(FaunaWindow &w, const QString &box, const QString &text)
{
    QWidget *found = w.control(box);
    if (auto *combo = qobject_cast<QComboBox *>(found))
        found = combo->lineEdit();
    auto *line = qobject_cast<QLineEdit *>(found);
    line->selectAll();
    QTest::keyClicks(line, text);
}

// "&Arkiv" searched by one criterion (Combo1 the species, Combo6 the locality, by their keys):
// the result lines and the archive's caption; with clicked given, that observation's line is
// clicked, which shows it in the main window.
struct ArchiveAnswer {
    bool opened = false;
    QString caption;
    QStringList lines;
};
inline ArchiveAnswer searchArchive(FaunaWindow &w, const QString &criterion, const QString &key, qint64 clicked = 0)
{
    ArchiveAnswer answer;
    answer.opened = answerModal([&] { w.click("Command1"); },
                                [&](QWidget *archive) {
                                    auto *choices = child<QComboBox>(archive, criterion);
                                    choices->setCurrentIndex(choices->findData(key));
                                    auto *list = child<QAbstractItemView>(archive, "List1");
                                    answer.caption = child<QGroupBox>(archive, "Frame2")->title();
                                    answer.lines = entries(list);
                                    if (clicked)
                                        clickEntry(list, rowWithKey(list, QString::number(clicked)));
                                    else
                                        archive->close();
                                });
    return answer;
}

// The ObsIDs the store holds, in order.
inline QStringList storedObsIds(FaunaWindow &w)
{
    return w.t.db().columnTexts("SELECT ObsID FROM Observasjoner ORDER BY ObsID");
}

// A coordinate as the window shows it ("59,91872") and as the store keeps it, compared as numbers.
inline bool sameCoordinate(const QString &shown, const QString &stored)
{
    bool shownOk = false, storedOk = false;
    const double a = QString(shown).replace(',', '.').toDouble(&shownOk);
    const double b = QString(stored).replace(',', '.').toDouble(&storedOk);
    return shownOk && storedOk && qAbs(a - b) < 1e-9;
}

} // namespace lirvenda::test
