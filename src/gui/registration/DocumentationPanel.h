#pragma once

#include "core/documentation/RegistrationDocuments.h"

#include <QGroupBox>

class QLabel;
class QPushButton;

namespace lirvenda {

class Program;
class RegistrationState;

// "Documentation": the pictures, films and sounds filed with the registration, its first picture
// as a thumbnail that opens the viewer; while a registration is entered or changed, the button
// that adds files. The frame shows when there is something to see or to add.
class DocumentationPanel : public QGroupBox {
    Q_OBJECT
public:
    DocumentationPanel(Program &program, const RegistrationState &state, QWidget *parent);

    // The files of the registration with this identifier; none for an empty one.
    void open(const QString &obsUniqueId);
    // The identifier the files are filed under; empty while there are none.
    QString id() const;
    // The registration was stored: the files added are its own.
    void keep();
    // The registration was cancelled: the files added to it are dropped.
    void discardAdded();
    // The files of a deleted observation are kept, moved aside.
    void keepFilesOfDeleted(const QString &obsUniqueId);
    // Copies the files to the registration being entered or changed.
    void add(const QStringList &files);
    void openViewer();
    void draw();

signals:
    // "F", "V", "L" for the kinds of file added.
    void kindsAdded(const QString &marks);

private:
    void chooseFiles();

    Program &m_program;
    const RegistrationState &m_state;
    RegistrationDocuments m_documents;
    QLabel *Image1;                   // the documentation picture
    QPushButton *cmdAddDocumentation; // "Legg &til…"
};

} // namespace lirvenda
