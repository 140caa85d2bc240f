#include "core/registration/RegistrationState.h"

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

const QStringList RegistrationState::SpeciesGroups = {QStringLiteral("Fugler"), QStringLiteral("Pattedyr"),
                                                      QStringLiteral("Botanikk"), QStringLiteral("Insekter")};
const QStringList RegistrationState::Sexes = {QStringLiteral("I par"), QStringLiteral("Hann"), QStringLiteral("Hunn"),
                                              QStringLiteral("Hunnfarget")};
const QStringList RegistrationState::Ages = {
    QStringLiteral("Egg"), QStringLiteral("Pulli"), QStringLiteral("1K"),   QStringLiteral("1K+"),
    QStringLiteral("2K"),  QStringLiteral("2K+"),   QStringLiteral("2K-"),  QStringLiteral("3K"),
    QStringLiteral("3K+"), QStringLiteral("3K-"),   QStringLiteral("4K"),   QStringLiteral("4K+"),
    QStringLiteral("4K-"), QStringLiteral("5K"),    QStringLiteral("5K+"),  QStringLiteral("5K-"),
    QStringLiteral("6K"),  QStringLiteral("6K+"),   QStringLiteral("6K-"),  QStringLiteral("7K"),
    QStringLiteral("7K+"), QStringLiteral("7K-"),   QStringLiteral("Adult")};
const QStringList RegistrationState::Directions = {QStringLiteral("N"), QStringLiteral("Ø"), QStringLiteral("S"),
                                                   QStringLiteral("V")};

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
