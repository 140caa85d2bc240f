#pragma once

// What a group registration holds per species before it is saved, and the rules of the copy
// buttons that carry a value from one species to others.

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <variant>

namespace lirvenda {

// The fixed choices of a group row; position 0 of the sex, age and activity lists is "-", none.
inline const QStringList GroupOperators = {QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<"),
                                           QStringLiteral("~")};
inline const QStringList GroupSexes = {QStringLiteral("-"), QStringLiteral("Hann"), QStringLiteral("Hunn"),
                                       QStringLiteral("Hunnfarget"), QStringLiteral("I par")};
// "-", then the age classes of the main window.
QStringList groupAges();

// One species of a group registration: list choices by their position, texts as typed.
struct GroupSpeciesValues {
    QString speciesKey;
    int operatorPosition = 0;
    QString count = QStringLiteral("0");
    int sexPosition = 0;
    int agePosition = 0;
    bool leftOut = false; // "Fjern": no row is written, but the count must still be valid
    int activityPosition = 0;
    QString comment;

    friend bool operator==(const GroupSpeciesValues &, const GroupSpeciesValues &) = default;
};

// The fields a copy button copies.
enum class GroupField { Count, Age, Sex, Activity, Comment };

// A count as the group grid accepts it: a number, not below zero ("-0,5" and "" are refused).
bool isGroupCount(const QString &count);

// The values of every chosen species, in the order of the species list, and what the copy buttons
// remember: per field a value and the species it was taken from.
class GroupEntries {
public:
    explicit GroupEntries(const QStringList &speciesKeys);

    int size() const { return int(m_values.size()); }
    GroupSpeciesValues &operator[](int species) { return m_values[species]; }
    const GroupSpeciesValues &operator[](int species) const { return m_values[species]; }
    const QList<GroupSpeciesValues> &values() const { return m_values; }

    // A plain click: the species' value of the field is remembered, the species is its source.
    void remember(GroupField field, int species);
    // A Shift-click: the remembered value goes to every species after the source up to this one.
    // False, and nothing changes, when nothing is remembered or the species is not after the source.
    bool copyDown(GroupField field, int species);
    // A Ctrl-click: the remembered value goes to this species only; false when nothing is remembered.
    bool copyTo(GroupField field, int species);

    // True when every species, left out or not, has a valid count.
    bool countsValid() const;

private:
    using Value = std::variant<int, QString>;
    struct Remembered {
        Value value;
        int source;
    };
    static Value valueOf(const GroupSpeciesValues &values, GroupField field);
    static void store(GroupSpeciesValues &values, GroupField field, const Value &value);

    QList<GroupSpeciesValues> m_values;
    std::array<std::optional<Remembered>, 5> m_remembered;
};

} // namespace lirvenda
