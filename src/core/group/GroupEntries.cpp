#include "core/group/GroupEntries.h"

#include "core/registration/RegistrationState.h"
#include "core/registration/Validation.h"

#include <algorithm>

namespace lirvenda {

QStringList groupAges() { return QStringList{QStringLiteral("-")} + RegistrationState::Ages; }

bool isGroupCount(const QString &count)
{
    return wholeCount(count).has_value() && QString(count).trimmed().replace(',', '.').toDouble() >= 0;
}

GroupEntries::GroupEntries(const QStringList &speciesKeys)
{
    for (const QString &key : speciesKeys) {
        GroupSpeciesValues values;
        values.speciesKey = key;
        m_values.append(values);
    }
}

GroupEntries::Value GroupEntries::valueOf(const GroupSpeciesValues &values, GroupField field)
{
    switch (field) {
    case GroupField::Count: return values.count;
    case GroupField::Age: return values.agePosition;
    case GroupField::Sex: return values.sexPosition;
    case GroupField::Activity: return values.activityPosition;
    case GroupField::Comment: return values.comment;
    }
    return {};
}

void GroupEntries::store(GroupSpeciesValues &values, GroupField field, const Value &value)
{
    switch (field) {
    case GroupField::Count: values.count = std::get<QString>(value); break;
    case GroupField::Age: values.agePosition = std::get<int>(value); break;
    case GroupField::Sex: values.sexPosition = std::get<int>(value); break;
    case GroupField::Activity: values.activityPosition = std::get<int>(value); break;
    case GroupField::Comment: values.comment = std::get<QString>(value); break;
    }
}

void GroupEntries::remember(GroupField field, int species)
{
    m_remembered[size_t(field)] = Remembered{valueOf(m_values.at(species), field), species};
}

bool GroupEntries::copyDown(GroupField field, int species)
{
    const std::optional<Remembered> &remembered = m_remembered[size_t(field)];
    if (!remembered || species <= remembered->source || species >= size())
        return false;
    for (int s = remembered->source + 1; s <= species; ++s)
        store(m_values[s], field, remembered->value);
    return true;
}

bool GroupEntries::copyTo(GroupField field, int species)
{
    const std::optional<Remembered> &remembered = m_remembered[size_t(field)];
    if (!remembered || species < 0 || species >= size())
        return false;
    store(m_values[species], field, remembered->value);
    return true;
}

bool GroupEntries::countsValid() const
{
    return std::all_of(m_values.begin(), m_values.end(),
                       [](const GroupSpeciesValues &values) { return isGroupCount(values.count); });
}

} // namespace lirvenda
