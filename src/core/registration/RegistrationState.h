#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace lirvenda {

// One choice out of a row of captions, or none.
class SingleChoice {
public:
    explicit SingleChoice(const QStringList &captions) : m_captions(captions) {}

    // A click on the chosen caption withdraws it, a click on another moves the choice there.
    void toggle(int index);
    void clear() { m_chosen.reset(); }
    // The first caption equal to the text; none when no caption is.
    void chooseCaption(const QString &caption);

    bool isChosen(int index) const { return m_chosen == index; }
    QString caption() const { return m_chosen ? m_captions.at(*m_chosen) : QString(); }
    const QStringList &captions() const { return m_captions; }

private:
    QStringList m_captions;
    std::optional<int> m_chosen;
};

// What the main window holds besides its typed texts: the state of the window, the kind of
// record, the species group searched in, and the chosen sex, age, exposure directions, activity
// and reference. The window draws this state and reads the values to store from it.
class RegistrationState {
public:
    enum class Mode {
        Browse,        // the stored observations are shown
        New,           // a new registration is entered; it stays so after each save
        Edit,          // the shown registration is changed
        ConfirmDelete, // the question whether to delete the shown one is open
    };
    enum class Kind { Individual, Nest };

    static const QStringList SpeciesGroups; // "Fugler", "Pattedyr", "Botanikk", "Insekter"
    static const QStringList Sexes;         // "I par", "Hann", "Hunn", "Hunnfarget"
    static const QStringList Ages;          // "Egg", "Pulli", "1K" … "7K-", "Adult"
    static const QStringList Directions;    // "N", "Ø", "S", "V"
    static constexpr int MostDirections = 2;
    // The caption of one of the values above in the shown language; the value itself is what is stored.
    static QString shownChoice(const QString &value);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode) { m_mode = mode; }
    // The fields are open for typing (and look so, in yellow).
    bool isEntering() const { return m_mode != Mode::Browse; }
    // A record keeps its kind while it is changed.
    bool canChangeKind() const { return m_mode == Mode::New || m_mode == Mode::ConfirmDelete; }

    Kind kind() const { return m_kind; }
    bool isNest() const { return m_kind == Kind::Nest; }
    void setKind(Kind kind) { m_kind = kind; }

    std::optional<int> speciesGroup() const { return m_speciesGroup; }
    void setSpeciesGroup(int index) { m_speciesGroup = index; }
    // The taxon class the species search looks in ("Aves" for the birds); empty before a choice.
    QString speciesClass() const;

    SingleChoice &sex() { return m_sex; }
    const SingleChoice &sex() const { return m_sex; }
    SingleChoice &age() { return m_age; }
    const SingleChoice &age() const { return m_age; }

    // False, and nothing changes, when the direction would be a third one.
    bool toggleDirection(int index);
    bool isDirectionChosen(int index) const { return m_directions.at(index); }
    void clearDirections() { m_directions.fill(false); }
    // The chosen directions in the order of the buttons ("NS"), and back from a stored text.
    QString exposure() const;
    void setExposure(const QString &stored);

    // Activity and reference keys; empty when none is chosen.
    QString activity;
    QString reference;

private:
    Mode m_mode = Mode::Browse;
    Kind m_kind = Kind::Individual;
    std::optional<int> m_speciesGroup;
    SingleChoice m_sex{Sexes};
    SingleChoice m_age{Ages};
    std::array<bool, 4> m_directions{};
};

} // namespace lirvenda
