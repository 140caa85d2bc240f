#pragma once

#include "core/documentation/RegistrationDocuments.h"
#include "core/registration/RegistrationState.h"
#include "gui/ui/ClickableLabel.h"

#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QDate;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace lirvenda {

struct Observation;
class PositionLink;
class Program;
class Record;
struct RegistrationFields;
struct UsedPlace;

// The main window: registration of one observation, browsing, and the hub of every other window.
// Its controls are public: other windows read and write them directly.
class frm_Fauna : public QWidget {
    Q_OBJECT
public:
    enum class Splash { Show, Skip };

    explicit frm_Fauna(Program &program, QWidget *parent = nullptr);
    ~frm_Fauna() override;

    // The start-up sequence. Throws DatabaseError when a database file cannot be opened.
    void Form_Load(Splash splash = Splash::Show);

    // The state of the window and its choices; the window draws it.
    const RegistrationState &state() const { return m_state; }
    void SetBrowseState();
    // Opens the fields for a new registration, a change, or while a deletion is asked about.
    void SetEditState(RegistrationState::Mode mode);
    void RefreshLocalityList(const QString &locality);
    void RefreshSpeciesLists();
    // Fills the window from the current row of the observation record set, which becomes the row
    // the window shows; at its end only the recent-observation panel is refreshed.
    void ShowRegistration();

    enum class SaveMode { Ny, Edit };
    // True when every field may be stored; otherwise the first problem has been shown.
    bool ValidateRegistration();
    // Stores the window into a new row or into the current row, then readies the next registration.
    // False when nothing was stored: the window keeps everything typed. Once the row is stored the
    // window moves on, also when a later step fails (that is shown as a message).
    bool SaveRegistration(SaveMode mode);
    void ClearNestFields();
    void ShowRecentObservations(const QString &speciesKey);

    // The workflow buttons and browsing.
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command11_Click();
    void Command12_Click();
    void List2_DblClick(QListWidgetItem *entry);
    void List3_Click();
    void List6_Click();
    void Command22_Click();
    void Command23_Click(); // the portal export

    // Species, count, sex, age, activity, nest, ring, dates.
    QString SelectedSpeciesGroup() const;
    void Command32_Click(int index);
    void Command2_Click();
    void Command16_Click(int index);
    void Command19_Click(int index);
    void Command20_Click(int index);
    void Combo2_Click();
    void Command35_Click(int index);
    void Command31_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void Command21_Click();
    void Text2_DblClick();
    void Text3_DblClick();
    void Text6_DblClick();
    void Command18_Click();
    void Command25_Click();
    void Command26_Click();

    // Place, nature type and reference.
    void Combo3_Click();
    void Label19_Click();
    void Label6_Click();
    void Command37_Click();
    void Combo4_Click();
    void Command27_Click();
    void Command29_Click();

    // Windows opened from the main window.
    void Command1_Click();
    void Command10_Click();
    void Command13_Click();
    void Command14_Click();
    void Command24_Click(); // group registration
    void Command30_Click(); // the atlas import
    // True when the press was taken: the right button while the list is enabled.
    bool List1_MouseDown(Qt::MouseButton button);

    // Documentation files: added while a registration is entered or changed, shown by Image1.
    void AddDocumentation(const QStringList &files);
    void Image1_Click();

    // Left column: the registration panel.
    QGroupBox *Frame1;                       // no caption
    std::array<QPushButton *, 4> Command32;  // "Fugler", "Pattedyr", "Botanikk", "Insekter"
    ClickableLabel *Label6;                  // "Lokalitet"
    QComboBox *Combo13;                      // the localities already used, free text
    ClickableLabel *Label19;                 // "Fylke/kom."
    QComboBox *Combo3;                       // counties
    QComboBox *Combo14;                      // municipalities
    QLabel *Label20;                         // "Naturtype" (hidden)
    QPushButton *Command37;                  // the chosen nature type; its "tag" property holds the path
    QLabel *Label8;                          // "Kommune/Naturtype"
    QPushButton *Command17;                  // "GPS"
    QPushButton *Command36;                  // "Kart"
    QLabel *Label9;                          // "Lat."
    QLineEdit *Text7;                        // latitude
    QLabel *Label10;                         // "Lon."
    QLineEdit *Text8;                        // longitude
    QLabel *Label7;                          // "Art"
    QPushButton *Command2;                   // "&Species"; the chosen species
    QLabel *Label1;                          // "Antall"
    QComboBox *Combo1;                       // "=", ">", "<", "~"
    QLineEdit *Text1;                        // count
    std::array<QPushButton *, 10> Command16; // "1" … "9", "0" (set at start-up)
    QPushButton *Command11;                  // "<---"
    QPushButton *Command12;                  // "--->"
    QLabel *Label2;                          // "Start"
    QPushButton *Command3;                   // "-"
    QLineEdit *Text2;                        // start date
    QPushButton *Command4;                   // "+"
    QLabel *Label3;                          // "Tid"
    QLineEdit *Text3;                        // start time
    QPushButton *Command25;                  // "Kalender"
    QLabel *Label5;                          // "Stop"
    QPushButton *Command6;                   // "-"
    QLineEdit *Text5;                        // stop date
    QPushButton *Command21;                  // "+"
    QLabel *Label4;                          // "Tid"
    QLineEdit *Text6;                        // stop time
    QPushButton *Command26;                  // "Kalender"
    QPushButton *Command9;                   // "&Delete registration"
    QPushButton *Command8;                   // "&Edit registration"
    QPushButton *Command7;                   // "&New registration"

    // The Individ/Reir panel over the lower part of the registration panel.
    QGroupBox *Frame12;                      // no caption
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
    std::array<QPushButton *, 23> Command20; // "Egg", "Pulli", "1K" … "7K-", "Adult" (set at start-up)
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

    // Middle column.
    QGroupBox *Frame6;  // "Documentation" (hidden at start-up)
    QLabel *Image1;     // the documentation picture
    QGroupBox *Frame7;  // "Registrerte arter"
    QListWidget *List3; // registered species, alphabetically
    QListWidget *List6; // registered species, in key order
    QCheckBox *Check1;  // "Systematisk liste"
    QGroupBox *Frame3;  // "Observatører"
    QListWidget *List1; // observers; the ticked one is the main observer

    // "Legg &til…" in "Documentation", shown while a registration is entered or changed.
    QPushButton *cmdAddDocumentation;

    // Right column.
    QGroupBox *Frame4;      // "Siste observasjoner"
    QListWidget *List2;     // registrations saved in this run
    QGroupBox *Frame9;      // caption set at run time
    QListWidget *List4;     // recent observations of the shown species
    QGroupBox *Frame5;      // no caption
    QPushButton *Command10; // "&Observatører"
    QPushButton *Command1;  // "&Arkiv"
    QPushButton *Command15; // "&Lokaliteter" (hidden)
    QPushButton *Command14; // "&Statistikk"
    QPushButton *Command28; // "&Kontakt GPS"
    QPushButton *Command30; // "Import" (shown while the table Atlas holds rows)
    QPushButton *Command24; // "&Grupperegistrering"
    QPushButton *Command23; // "Lag Excelark for rapportering"
    QPushButton *Command13; // "&Om Lirvenda"
    QPushButton *Command5;  // "&Avslutt"
    QGroupBox *Frame13;     // "Reference"
    QComboBox *Combo4;      // literature references
    QPushButton *Command27; // "Ny", tooltip "Legg inn ny referanse"
    QPushButton *Command29; // "N", tooltip "Nullstill referanse"

    QListWidget *List5; // stored localities (hidden)

private:
    void BuildLeftColumn();
    void BuildIndividualNestPanel();
    void BuildMiddleColumn();
    void BuildRightColumn();
    void ConnectHandlers();
    void ConnectEntryHandlers();
    void EnableSpeciesGroups();

    // Start-up.
    void ShowTodayAndNow();
    void FillListsFromDatabase();
    void ArrangeMiddleColumn();
    void ShowSplash();

    // Entering and storing a registration.
    void StartNewRegistration();
    void SaveEdit();
    void DeleteShownRegistration();
    // Other windows move the record set (the group save stands it on its last new row): these put
    // it back on the row the window shows before anything acts on it. False when no row is shown.
    bool StandOnShownRegistration();
    void ReturnToShownRegistration();
    void ShowNoRegistration();
    RegistrationFields registrationFields() const;
    Observation shownObservation() const;
    QString savedRegistrationLine(const Record &row) const;
    void ChooseRegisteredSpecies(const QListWidgetItem *entry);

    // Entering the details.
    void StepDate(QLineEdit *box, int days);
    void PickDate(QLineEdit *picked, QLineEdit *other, bool pickingStart);

    // Showing a row.
    void ShowFieldsOfBothKinds(const Record &row);
    void ShowPlace(const QString &placeCode);
    void FillMunicipalityList(const QString &countyNumber);
    void ShowNatureType(const QString &path);
    void ShowNatureTypeChoice(const QString &caption, const QString &path);
    void ShowObservers(const QString &observerIds);
    void ShowNestDetails(const Record &row);
    void ShowIndividualDetails(const Record &row);
    void ShowDocumentationAndExposure(const Record &row);

    // A picked place taken over; the reference list.
    void SelectPlace(const QString &placeCode);
    void TakeOverPlace(const UsedPlace &place);
    void FillReferenceList();

    // The "Individ" and "Reir" tabs.
    std::vector<QWidget *> nestControls() const;
    void ShowRecordKind(RegistrationState::Kind kind);

    // The controls each state changes alike.
    std::vector<QWidget *> inputBoxes() const;
    std::vector<QWidget *> choiceFields() const;
    std::vector<QWidget *> editOnlyControls() const;
    std::vector<QWidget *> windowOpeners() const;
    void SetMode(RegistrationState::Mode mode);
    void DrawWorkflowButtons();
    void DrawChoices();

    // After the atlas import: the record set and the lists anew, the last row shown.
    void ReopenObservations();

    // The portal export, once the user has said yes and the template is there.
    void ExportToPortal(const QString &templatePath, const QDate &today);

    // The position from a GPS receiver or a map waypoint.
    void BuildPositionLink();
    void ShowPositionLink();

    void Command5_Click();
    void Command33_Click();
    void Command34_Click();
    void Check1_Click();

    void BuildDocumentationFrame();
    void DrawDocumentation();
    void cmdAddDocumentation_Click();
    void KeepDocumentationOfDeleted(const QString &obsUniqueId);

    Program &m_program;
    RegistrationState m_state;
    qint64 m_shownObsId = 0; // the row the window shows, 0 for none; changing and deleting act on it
    PositionLink *m_positionLink;
    RegistrationDocuments m_documents;
};

} // namespace lirvenda
