#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QLabel;
class QPushButton;

namespace lirvenda {

class Program;

// How the about box finds and starts the system-information viewer; tests put in their own, so
// nothing real is started.
struct ViewerLauncher {
    std::function<QString(const QString &name)> find; // the program's path; empty when absent
    std::function<bool(const QString &path)> start;   // false when it could not be started

    static ViewerLauncher system(); // looked up on PATH, started detached
};

// The about box, opened from the main window's maker button.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Tried in this order; the first one installed is started.
    static inline const QStringList SystemInfoViewers{QStringLiteral("hardinfo"),
                                                      QStringLiteral("gnome-system-monitor")};

    explicit frmAbout(Program &program, ViewerLauncher launcher = ViewerLauncher::system(), QWidget *parent = nullptr);

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void cmdPassfrase_Click();
    void cmdSikkerhetskopier_Click();
    bool StartSysInfo() const;
    void layOut();

    QLabel *Image1;                   // the program's picture
    QLabel *lblTitle;                 // "LirvendaProgrammet"
    QLabel *lblVersion;               // "Versjon: " and the version text
    QLabel *lblDescription;           // what the program is for
    QLabel *lblDisclaimer;            // the maker's line
    QPushButton *cmdOK;               // "OK"
    QPushButton *cmdSysInfo;          // "&System Info..."
    QPushButton *cmdPassfrase;        // "&Passfrase..."
    QPushButton *cmdSikkerhetskopier; // "Sikkerhets&kopier..."
    Program &m_program;
    ViewerLauncher m_launcher;
};

} // namespace lirvenda
