#include "core/registration/RegistrationState.h"

#include <QCoreApplication>

#include <algorithm>

namespace lirvenda {

void SingleChoice::toggle(int index)
{
    if (m_chosen == index)
        m_chosen.reset();
    else
        m_chosen = index;
}

void SingleChoice::chooseCaption(const QString &caption)
{
    const qsizetype index = caption.isEmpty() ? -1 : m_captions.indexOf(caption);
    m_chosen = index < 0 ? std::nullopt : std::optional<int>(int(index));
}

namespace {

// The values are the source texts of their captions.
constexpr std::array SpeciesGroupValues{
    QT_TRANSLATE_NOOP("RegistrationChoices", "Fugler"), QT_TRANSLATE_NOOP("RegistrationChoices", "Pattedyr"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "Botanikk"), QT_TRANSLATE_NOOP("RegistrationChoices", "Insekter")};
constexpr std::array SexValues{
    QT_TRANSLATE_NOOP("RegistrationChoices", "I par"), QT_TRANSLATE_NOOP("RegistrationChoices", "Hann"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "Hunn"), QT_TRANSLATE_NOOP("RegistrationChoices", "Hunnfarget")};
constexpr std::array AgeValues{
    QT_TRANSLATE_NOOP("RegistrationChoices", "Egg"),  QT_TRANSLATE_NOOP("RegistrationChoices", "Pulli"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "1K"),   QT_TRANSLATE_NOOP("RegistrationChoices", "1K+"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "2K"),   QT_TRANSLATE_NOOP("RegistrationChoices", "2K+"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "2K-"),  QT_TRANSLATE_NOOP("RegistrationChoices", "3K"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "3K+"),  QT_TRANSLATE_NOOP("RegistrationChoices", "3K-"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "4K"),   QT_TRANSLATE_NOOP("RegistrationChoices", "4K+"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "4K-"),  QT_TRANSLATE_NOOP("RegistrationChoices", "5K"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "5K+"),  QT_TRANSLATE_NOOP("RegistrationChoices", "5K-"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "6K"),   QT_TRANSLATE_NOOP("RegistrationChoices", "6K+"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "6K-"),  QT_TRANSLATE_NOOP("RegistrationChoices", "7K"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "7K+"),  QT_TRANSLATE_NOOP("RegistrationChoices", "7K-"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "Adult")};
constexpr std::array DirectionValues{
    QT_TRANSLATE_NOOP("RegistrationChoices", "N"), QT_TRANSLATE_NOOP("RegistrationChoices", "Ø"),
    QT_TRANSLATE_NOOP("RegistrationChoices", "S"), QT_TRANSLATE_NOOP("RegistrationChoices", "V")};

template <std::size_t Count>
QStringList valueList(const std::array<const char *, Count> &values)
{
    QStringList list;
    for (const char *value : values)
        list << QString::fromUtf8(value);
    return list;
}

} // namespace

const QStringList RegistrationState::SpeciesGroups = valueList(SpeciesGroupValues);
const QStringList RegistrationState::Sexes = valueList(SexValues);
const QStringList RegistrationState::Ages = valueList(AgeValues);
const QStringList RegistrationState::Directions = valueList(DirectionValues);

QString RegistrationState::shownChoice(const QString &value)
{
    return QCoreApplication::translate("RegistrationChoices", value.toUtf8().constData());
}

QString RegistrationState::speciesClass() const
{
    if (!m_speciesGroup)
        return {};
    return *m_speciesGroup == 0 ? QStringLiteral("Aves") : SpeciesGroups.at(*m_speciesGroup);
}

bool RegistrationState::toggleDirection(int index)
{
    if (!m_directions.at(index) && std::count(m_directions.begin(), m_directions.end(), true) >= MostDirections)
        return false;
    m_directions.at(index) = !m_directions.at(index);
    return true;
}

QString RegistrationState::exposure() const
{
    QString text;
    for (int i = 0; i < int(m_directions.size()); ++i)
        if (m_directions.at(i))
            text += Directions.at(i);
    return text;
}

void RegistrationState::setExposure(const QString &stored)
{
    for (int i = 0; i < int(m_directions.size()); ++i)
        m_directions.at(i) = stored.contains(Directions.at(i));
}

} // namespace lirvenda
