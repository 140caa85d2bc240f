#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lirvenda {

class ClickableLabel;
class PositionLink;
class Program;
struct RegistrationFields;
struct Observation;
struct UsedPlace;

// Where the observation was made: locality, county and municipality, nature type and position,
// with the buttons that take the position from a receiver or a map.
class PlacePanel : public QWidget {
    Q_OBJECT
public:
    PlacePanel(Program &program, QWidget *parent);

    void fillCounties();
    // The localities already used; the one given stays typed in the box.
    void refreshLocalities(const QString &locality);
    void show(const Observation &observation);
    void read(Observation &observation) const;
    void read(RegistrationFields &fields) const;
    void clearPosition();
    void clear();
    void setEntering(bool entering);

    // "GPS" and "Kart" tell the link what the user did; the panel shows what it reports: the
    // position, which buttons may be pressed, the source in yellow, the last fix in a hidden read-out.
    void follow(PositionLink &link);

private:
    void setPosition(const QString &latitude, const QString &longitude);
    void showReadout(const QString &latitude, const QString &longitude, const QString &course);
    void layOut();
    void connectHandlers();
    void showPlace(const QString &placeCode);
    void fillMunicipalities(const QString &countyNumber);
    void showNatureType(const QString &path);
    void showNatureTypeChoice(const QString &caption, const QString &path);
    // Chosen by code, never by name: a name may be part of another name ("Nes", "Nesodden").
    void selectPlace(const QString &placeCode);
    void takeOverPlace(const UsedPlace &place);
    void pickLocality();
    void suggestMunicipality();
    void pickNatureType();

    Program &m_program;
    ClickableLabel *Label6;           // "Lokalitet"
    QComboBox *Combo13;               // the localities already used, free text
    ClickableLabel *Label19;          // "Fylke/kom."
    QComboBox *Combo3;                // counties
    QComboBox *Combo14;               // municipalities
    QLabel *Label8;                   // "Kommune/Naturtype"
    QLabel *Label20;                  // "Naturtype" (hidden)
    QPushButton *Command37;           // the chosen nature type; its "tag" property holds the path
    QPushButton *Command17;           // "GPS"
    QPushButton *Command36;           // "Kart"
    QLabel *Label9;                   // "Lat."
    QLineEdit *Text7;                 // latitude
    QLabel *Label10;                  // "Lon."
    QLineEdit *Text8;                 // longitude
    QListWidget *List5;               // stored localities (never shown)
    std::array<QLineEdit *, 3> Text9; // read-out of the last fix: latitude, longitude, course (hidden)
};

} // namespace lirvenda
