#pragma once

#include <QGroupBox>
#include <QString>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lirvenda {

class Program;
class RegistrationState;
struct Observation;

// The details of the observation under the "Individ" and "Reir" tabs: sex, age and activity of
// individuals, or the nest and its exposure; then ring, documentation kinds and comment.
class DetailsPanel : public QGroupBox {
    Q_OBJECT
public:
    DetailsPanel(RegistrationState &state, QWidget *parent);

    void fillChoices(Program &program);
    void show(const Observation &observation);
    void read(Observation &observation) const;
    // Sex, age and activity withdrawn, as a new or saved registration starts without them.
    void clearIndividualChoices();
    void clearNestFields();
    // Nothing of a registration: the window shows none.
    void clear();
    void clearComment();
    // "Foto", "Video", "Lyd" ticked for the marks "F", "V", "L".
    void tickDocumentation(const QString &marks);
    void setEntering(bool entering);
    void drawChoices();

private:
    void createTabs();
    void createNestControls();
    void createIndividualFrames();
    void createLowerRows();
    QLayout *nestGrid();
    QLayout *individualRows();
    void layOut();
    void connectHandlers();
    void connectChoiceButtons();
    std::vector<QWidget *> nestControls() const;
    // The tab in force is green; a nest record shows the nest controls, an individual record the
    // sex, age and activity frames in their place.
    void showRecordKind(bool nest);
    void showNestDetails(const Observation &observation);
    void showIndividualDetails(const Observation &observation);
    void askRing();
    void drawRing();
    void chooseDirection(int index);
    void openFlockSheet();

    RegistrationState &m_state;
    QString m_ring;                          // as typed or stored; empty for none
    QPushButton *Command33;                  // "Individ"
    QPushButton *Command34;                  // "Reir"
    QPushButton *Command18;                  // "&Flokk"
    QLabel *Label11;                         // "Reirplassering"
    QComboBox *Combo6;                       // nest sites
    QLabel *Label12;                         // "Tresort"
    QComboBox *Combo7;                       // tree species
    QLabel *Label18;                         // "Ungealder"
    QComboBox *Combo12;                      // ages of young
    QLabel *Label13;                         // "Høyde over marka (m)"
    QComboBox *Combo8;                       // "-1" … "30"
    QLabel *Label14;                         // "Egg"
    QComboBox *Combo9;                       // "-1" … "15"
    QLabel *Label15;                         // "Unger"
    QComboBox *Combo10;                      // "-1" … "15"
    QLabel *Label17;                         // "Voksne"
    QComboBox *Combo11;                      // "-1" … "15"
    QLabel *Label16;                         // "Eksponering"
    std::array<QPushButton *, 4> Command35;  // "N", "Ø", "S", "V"
    QGroupBox *Frame11;                      // "Alder"
    std::array<QPushButton *, 23> Command20; // "Egg", "Pulli", "1K" … "7K-", "Adult"
    QGroupBox *Frame10;                      // "Sex"
    std::array<QPushButton *, 4> Command19;  // "I par", "Hann", "Hunn", "Hunnfarget"
    QGroupBox *Frame8;                       // "Activity"
    QComboBox *Combo2;                       // activities
    QPushButton *Command22;                  // "N", tooltip "Nullstill aktivitet"
    QPushButton *Command31;                  // "Ringmerking"
    QCheckBox *Check2;                       // "Foto"
    QCheckBox *Check3;                       // "Video"
    QCheckBox *Check4;                       // "Lyd"
    QGroupBox *Frame2;                       // "Kommentarer"
    QLineEdit *Text4;                        // comment
};

} // namespace lirvenda
